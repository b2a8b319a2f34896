#pragma once

class QCoreApplication;

namespace virelai {

// Loads Qt's own French translations so that its dialogs and buttons speak
// French. Without the translation files installed, only the texts the program
// translates itself are French; nothing else changes.
void installFrenchTranslations(QCoreApplication &app);

} // namespace virelai
