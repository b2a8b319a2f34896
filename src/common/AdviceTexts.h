#pragma once

#include <QString>

namespace virelai {

// The four texts of the advice document, chosen by InitAppli and read by every
// builder. An empty Rappel means no reminder section.
struct AdviceTexts
{
    QString Titre;
    QString Explication;
    QString Suggestion;
    QString Rappel;
};

} // namespace virelai
