// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <QString>
#include <QVariant>

// Every field of the note store, declared once: its table, its name, its
// kind and its value in a fresh store. The kind says how a value is
// written and by what rule the program reads it back.

enum class Table { Form, Note };

enum class Kind {
    Place,  // a single-precision number of twips; odd values read as the fresh place
    Word,   // a text the program compares exactly; null reads as the fresh value
    Switch, // the integer 1 or 0; any other value reads as 0
    Path,   // a character file's path or "None"; null stays null (no character)
    Level,  // the text of a whole number from 0 to 255; anything else reads as 255
    Text,   // free text; null reads as the fresh value
    Color,  // a 32-bit colour 0x00BBGGRR; odd values read as the fresh colour
    Flag,   // the text "True" or "False"; only "True" reads as on
};

// Where the program only asks whether a switch is on, the test it makes.
enum class On {
    One,     // its number is 1 (the text "1" and 1.0 too)
    TextOne, // it equals the text "1": the number 1 or the text "1", nothing else
    NotZero, // anything but the number 0, null and odd values included
};

struct Field {
    Table table;
    const char *name;
    Kind kind;
    QVariant fresh;  // unused for Place and Path, which depend on the desktop
    On on = On::One; // for switches

    QString column() const { return QString::fromLatin1(name); }
};

namespace fields {

// Table "Form", the settings row.
inline const Field Left{Table::Form, "Left", Kind::Place, {}};
inline const Field Top{Table::Form, "Top", Kind::Place, {}};
inline const Field HideShow{Table::Form, "Hide/Show", Kind::Word, QStringLiteral("Show")};
inline const Field ClockEnabled{Table::Form, "Clock Enabled", Kind::Switch, 1, On::NotZero};
inline const Field ReadOnStart{Table::Form, "Read on Start", Kind::Switch, 0, On::TextOne};
inline const Field SpeechEnabled{Table::Form, "Speech Enabled", Kind::Switch, 1};
inline const Field AgentName{Table::Form, "Agent Name", Kind::Path, {}};
inline const Field TransEnabled{Table::Form, "Trans Enabled", Kind::Switch, 0};
inline const Field TransLevel{Table::Form, "Trans Level", Kind::Level, QStringLiteral("255")};

// Table "Note", the note row.
inline const Field Note{Table::Note, "Note", Kind::Text,
                        QStringLiteral("Click here to rename text.")};
inline const Field TextColor{Table::Note, "Text Color", Kind::Color,
                             qint64(0x00502814)}; // deep navy
inline const Field StartAni{Table::Note, "Start Ani", Kind::Flag, QStringLiteral("True")};
inline const Field CloseAni{Table::Note, "Close Ani", Kind::Flag, QStringLiteral("True")};

// Every field, in the order of the columns of a fresh store. The note comes
// last in its record, so that the small fields before it are read and
// written without going through a long note.
inline const Field *const all[] = {
    &Left,         &Top,        &HideShow,  &ClockEnabled, &ReadOnStart, &SpeechEnabled, &AgentName,
    &TransEnabled, &TransLevel, &TextColor, &StartAni,     &CloseAni,    &Note};

// "Agent Name" when no character has been chosen.
inline const QString none = QStringLiteral("None");

} // namespace fields

// What a fresh store holds that depends on the desktop it starts on.
struct Defaults {
    QPointF place;     // twips, the main window's outer top-left corner
    QString character; // the bundled default character; empty: "None"

    QVariant fresh(const Field &field) const;
};

// One field and the value to give it, in the program's own terms.
struct Assignment {
    const Field &field;
    QVariant value;
};

namespace fields {

// The stored value as the program reads it, the field's rule applied:
// Place a double, Switch and Level an int, Color a quint32, Flag a bool,
// Word and Text a QString, Path a QString or null.
QVariant read(const Field &field, const QVariant &stored, const Defaults &defaults);

// Whether a switch is on, by the field's own test (see On).
bool isOn(const Field &field, const QVariant &stored);

// The value as it is stored: switches as integers, levels as text, flags
// as "True"/"False", places as single-precision numbers.
QVariant encode(const Field &field, const QVariant &value);

} // namespace fields
