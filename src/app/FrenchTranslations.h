#pragma once

class QCoreApplication;

namespace virelai {

// Loads Qt's own French translations so that its dialogs and buttons speak
// French. Returns false when the translation files are not installed.
bool installFrenchTranslations(QCoreApplication &app);

} // namespace virelai
