#pragma once

#include <QString>

#include <optional>

namespace virelai {

// Where the chart pictures of a run are written.
struct PicturesFolder
{
    QString path; // ends with a separator
    // Why no picture can be written there, in French; nothing when path can be written.
    std::optional<QString> unwritable;
};

// chemin when it is a directory that can be written; else the user's cache
// directory for the program, made when missing: $XDG_CACHE_HOME/<program name>/,
// or $HOME/.cache/<program name>/ when XDG_CACHE_HOME is unset or relative (a
// relative one would put files under whatever directory the caller runs in).
// When neither can be written: chemin, with the reason.
PicturesFolder picturesFolder(const QString &chemin);

} // namespace virelai
