#pragma once

#include <QString>
#include <QStringList>

// The person's language as the desktop sets it, in the order gettext reads the variables.
namespace Language {

struct Environment {
    QString language;   // LANGUAGE: a list such as "pt_BR:pt:en"
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG
};

Environment FromProcess();

// The names to look for translations under, most wanted first: "pt_BR" then "pt" for
// LANGUAGE=pt_BR. The list ends where English is asked for ("en", "C"), since English needs
// no translation; it is empty for the "C" locale, whose texts must stay English whatever
// LANGUAGE says, as with gettext.
QStringList Preferred(const Environment &environment);

// The first of the preferred names for which `available` holds, or an empty text for English.
template <typename Available> QString Chosen(const QStringList &preferred, Available available) {
    for (const QString &name : preferred) {
        if (available(name))
            return name;
    }
    return {};
}

} // namespace Language
