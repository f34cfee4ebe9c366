// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace languages {

// Installs the program's catalogue and Qt's own for the user's languages, in
// the order the user prefers them (QLocale::uiLanguages()): the first
// language either is known in stops the search; English, the language the
// program is written in, needs none. Returns the language installed, by
// its catalogue's name ("de", "pt_BR"), or nothing.
QString install();

// Makes the windows run the way the installed language is written: right to
// left for Arabic, say.
void followDirection();

// The user's language the windows show, as QLocale::uiLanguages() gives it
// ("de-DE", "en-GB"): the first that is English or has a catalogue.
QString shown();

// The languages the program ships a catalogue of, by catalogue name.
QStringList shipped();

} // namespace languages
