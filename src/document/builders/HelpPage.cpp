#include "HelpPage.h"

#include "document/builders/BuildContext.h"
#include "document/builders/DocumentComplet.h"

#include <exception>

namespace virelai {

namespace {

// Reads the file; returns false when it cannot be read.
bool montrerFichier(BuildContext &context, const QString &path)
{
    const std::optional<QByteArray> bytes = context.readHelpFile(path);
    if (!bytes)
        return false;
    montrerDocumentComplet(context.VSPrinter1, *bytes);
    return true;
}

} // namespace

QString messageFichierIllisible(const QString &path)
{
    return QStringLiteral("Impossible d'ouvrir le fichier ") + path;
}

void construirePageAide(BuildContext &context, const QString &Fichier)
{
    QString path; // as far as it is built when a step fails
    bool shown = false;
    try {
        context.window.MajFenetre();
        // The clipboard holds whatever the teacher copied last: chart data that
        // cannot be read must not stand in the way of the help page.
        context.charts.MajDataGraph();
        path = context.request.chemin + Fichier;
        shown = montrerFichier(context, path);
    } catch (const std::exception &) {
        shown = false;
    }
    if (!shown)
        context.messages.MsgBox(messageFichierIllisible(path), QStringLiteral("Erreur"));
}

} // namespace virelai
