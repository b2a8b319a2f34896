#pragma once

#include <QString>

namespace virelai {

struct BuildContext;

// The help document: the file chemin + Fichier shown whole, as it is written
// (Windows-1252 RTF), without heading, chart or footer of its own. When it cannot
// be read the teacher is told in a box and the page shown stays.
class HelpPageBuild
{
public:
    explicit HelpPageBuild(QString Fichier)
        : Fichier(std::move(Fichier))
    { }

    void run(BuildContext &context);
    // What the teacher is told when a step throws: the file's path as far as
    // it was built, nothing when the steps before it failed.
    QString failureMessage() const;

private:
    QString Fichier;
    QString path;
};

QString unreadableFileMessage(const QString &path);

} // namespace virelai
