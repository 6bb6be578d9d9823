#pragma once

#include <QString>

class QCoreApplication;

// The program's translations (angulor_<language>.qm, built into the program) and Qt's own
// (qtbase_<language>.qm from Qt's translations folder), for the desktop's language.
namespace Translations {

// The language whose translation the program speaks in this process: the first the person
// prefers that the program has; empty for English.
QString chosenLanguage();

// Installs the program's and Qt's translations for the chosen language, in place of those an
// earlier call installed; English installs none.
void install(QCoreApplication &application);

// A text of ours in the chosen language, looked up in the program's translation alone: for the
// texts said before an application object exists (the command line's, a failed start-up).
QString beforeApplication(const char *context, const char *text);

} // namespace Translations
