#include "PageTexts.h"

namespace virelai {

namespace {

const QString SuggestionSeparator = QStringLiteral("\\par\\par ");

// Ends with "}", which closes the small-print group opened by the footer.
const QString LigneContact
    = QStringLiteral(" - projet Virelai : virelai@example.org - https://virelai.example.org/}");

// The footer's year has four digits. A later moment in local time (a clock set
// far ahead, or a moment near the end of 9999 UTC in a zone east of Greenwich)
// shows as the last minute of 9999; bounded after the conversion to local time.
QDateTime footerMoment(const QDateTime &moment)
{
    const QDateTime local = moment.toLocalTime();
    const QDateTime last(QDate(9999, 12, 31), QTime(23, 59, 59));
    return local > last ? last : local;
}

} // namespace

QString headingBlock(const QString &Titre)
{
    return QStringLiteral("{\\colortbl ;\\red0\\green0\\blue255;}{\\cf1\\fs36\\b\\qc {") + Titre
        + QStringLiteral("}\\par\\par }");
}

QString footerRtf(const QDateTime &moment, const QString &NumVersion)
{
    const QDateTime shown = footerMoment(moment);
    return QStringLiteral("{\\b\\qc {-%d-}\\par}{\\fs16\\ql Suggestions pédagogiques du : ")
        + shown.toString(QStringLiteral("dd-MM-yyyy")) + QStringLiteral(" à ")
        + shown.toString(QStringLiteral("HH:mm"))
        + QStringLiteral(" \\par\\fs12\\i Document réalisé par le logiciel 'Virelai' V")
        + NumVersion + LigneContact;
}

QString suggestionAndReminder(const QString &Suggestion, const QString &Rappel)
{
    if (Rappel.isEmpty())
        return Suggestion;
    if (Suggestion.isEmpty())
        return Rappel;
    return Suggestion + SuggestionSeparator + Rappel;
}

QString suggestionThenReminder(const QString &Suggestion, const QString &Rappel)
{
    return Rappel.isEmpty() ? Suggestion : Suggestion + SuggestionSeparator + Rappel;
}

QString trimesterListHeader()
{
    return QStringLiteral("\rTrim\r1  2  3");
}

} // namespace virelai
