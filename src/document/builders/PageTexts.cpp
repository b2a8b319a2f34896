#include "PageTexts.h"

namespace virelai {

namespace {

const QString SeparateurSuggestion = QStringLiteral("\\par\\par ");

// Ends with "}", which closes the small-print group opened by the footer.
const QString LigneContact
    = QStringLiteral(" - projet Virelai : virelai@example.org - https://virelai.example.org/}");

} // namespace

QString blocTitre(const QString &Titre)
{
    return QStringLiteral("{\\colortbl ;\\red0\\green0\\blue255;}{\\cf1\\fs36\\b\\qc {") + Titre
        + QStringLiteral("}\\par\\par }");
}

QString piedDePage(const QDateTime &moment, const QString &NumVersion)
{
    return QStringLiteral("{\\b\\qc {-%d-}\\par}{\\fs16\\ql Suggestions pédagogiques du : ")
        + moment.toString(QStringLiteral("dd-MM-yyyy")) + QStringLiteral(" à ")
        + moment.toString(QStringLiteral("HH:mm"))
        + QStringLiteral(" \\par\\fs12\\i Document réalisé par le logiciel 'Virelai' V")
        + NumVersion + LigneContact;
}

QString suggestionEtRappel(const QString &Suggestion, const QString &Rappel)
{
    if (Rappel.isEmpty())
        return Suggestion;
    if (Suggestion.isEmpty())
        return Rappel;
    return Suggestion + SeparateurSuggestion + Rappel;
}

QString suggestionPuisRappel(const QString &Suggestion, const QString &Rappel)
{
    return Rappel.isEmpty() ? Suggestion : Suggestion + SeparateurSuggestion + Rappel;
}

QString enteteListeTrimestres()
{
    return QStringLiteral("\rTrim\r1  2  3");
}

} // namespace virelai
