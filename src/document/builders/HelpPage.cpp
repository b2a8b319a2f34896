#include "HelpPage.h"

#include "document/builders/BuildContext.h"
#include "document/builders/CompleteDocument.h"

namespace virelai {

namespace {

// Reads the file; returns false when it cannot be read.
bool showFile(BuildContext &context, const QString &path)
{
    const std::optional<QByteArray> bytes = context.readHelpFile(path);
    if (!bytes)
        return false;
    showCompleteDocument(context.VSPrinter1, *bytes);
    return true;
}

} // namespace

QString unreadableFileMessage(const QString &path)
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
    if (!showFile(context, path))
        context.messages.MsgBox(unreadableFileMessage(path), QStringLiteral("Erreur"));
}

QString HelpPageBuild::failureMessage() const
{
    return unreadableFileMessage(path);
}

} // namespace virelai
