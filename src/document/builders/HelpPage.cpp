#include "HelpPage.h"

#include "document/builders/BuildContext.h"
#include "document/builders/DocumentComplet.h"

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

void HelpPageBuild::run(BuildContext &context)
{
    context.window.MajFenetre();
    // The clipboard holds whatever the teacher copied last: chart data that
    // cannot be read must not stand in the way of the help page.
    context.charts.MajDataGraph();
    path = context.request.chemin + Fichier;
    if (!montrerFichier(context, path))
        context.messages.MsgBox(messageFichierIllisible(path), QStringLiteral("Erreur"));
}

QString HelpPageBuild::failureMessage() const
{
    return messageFichierIllisible(path);
}

} // namespace virelai
