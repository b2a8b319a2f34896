#pragma once

#include <QString>

namespace virelai {

struct BuildContext;

// The help document: the file chemin + Fichier shown whole, as it is written
// (Windows-1252 RTF), without heading, chart or footer of its own. When it cannot
// be read the teacher is told in a box and the page shown stays.
void construirePageAide(BuildContext &context, const QString &Fichier);

QString messageFichierIllisible(const QString &path);

} // namespace virelai
