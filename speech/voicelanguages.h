// SPDX-License-Identifier: MIT
#pragma once

#include "characterfile.h"

#include <QList>
#include <QLocale>
#include <QPair>
#include <QString>
#include <QStringList>

// A language the synthesiser's installed data provides.
struct VoiceLanguage {
    QString tag;  // the voice that speaks it: "de", "en-US", "fr-BE"
    QString name; // its own name: "Deutsch", "British English (Scotland)"
    // The language codes it answers to (lower case), each with the data's
    // priority: the lower, the better it speaks that code.
    QList<QPair<QString, int>> codes;
};

// The languages are read from the data's own language files, so that they
// can be offered and chosen without starting the synthesiser, which lives in
// the speaker.
namespace voicelanguages {

// The synthesiser's data folder, or an empty string when none is found.
QString dataPath();

// Every language of the installed data, by name; read when first asked for.
const QList<VoiceLanguage> &installed();

// The languages of the data in the folder `dataPath`, by name.
QList<VoiceLanguage> read(const QString &dataPath);

// The tag of the voice that speaks the first of `wanted` (language tags,
// best first, as QLocale::uiLanguages() gives them), each tag also tried
// without its last subtags; "" when the languages speak none of them.
QString firstProvided(const QStringList &wanted, const QList<VoiceLanguage> &languages);

// What a reading is spoken with: the character's own voice (its variant and
// its pitch) in `language`, a tag of the installed data ("" or one it no
// longer has: the interface's first language it provides, unless the
// character's own voice speaks that language already), at `speed` percent
// of the character's rate. `interfaceLanguages`: the language the windows
// show first, then the user's others.
CharacterVoice readingVoice(const CharacterVoice &own, const QString &language, int speed,
                            const QStringList &interfaceLanguages);

} // namespace voicelanguages
