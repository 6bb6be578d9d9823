#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

// The program's translations (angulor_<language>.qm, built into the program) and Qt's own
// (qtbase_<language>.qm from Qt's translations folder), for the desktop's language.
namespace Translations {

// The language whose translation the program speaks in this process: the first the person
// prefers that the program has; empty for English.
QString ChosenLanguage();

// Installs the program's and Qt's translations for the chosen language, in place of those an
// earlier call installed; English installs none.
void Install(QCoreApplication &application);

// The program's translation alone, for the texts wanted before the application object exists
// (the command line's); empty for English.
const QTranslator &ProgramTranslation();

} // namespace Translations
