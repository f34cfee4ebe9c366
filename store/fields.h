// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QMetaType>
#include <QPointF>
#include <QString>
#include <QVariant>

#include <iterator>

// Every field of the note store, declared once: its table, its name, how its
// value lies in the file, the rule it is read by, its value in a fresh store
// and the type the program reads and writes it as. The program never sees a
// stored value as it lies in the file: a read gives the field's type with
// its rule applied, a write takes the type and stores it in the field's form.

enum class Table { Form, Note };

// How a value lies in the file, and how it is read.
enum class Kind {
    Place,    // double: a single-precision number of twips; odd values read as the fresh place
    Hidden,   // bool: the text "Hide" (true) or "Show"; only "Hide", exactly, reads as true
    Switch,   // bool: the integer 1 or 0, read by the field's own test (see On)
    Path,     // CharacterChoice: a character file's path, "None", or no value at all
    Level,    // int: the text of a whole number from 0 to 255; anything else reads as 255
    Text,     // QString: free text; no value reads as the fresh value
    Color,    // QColor: a 32-bit integer 0x00BBGGRR; odd values read as the fresh colour
    Flag,     // bool: the text "True" or "False"; only "True" reads as true
    Language, // QString: a language tag ("de", "en-US"), or "" for none chosen; anything
              // else reads as ""
    Percent,  // int: a whole number from 50 to 200; anything else reads as 100
};

// The test by which a switch reads as on.
enum class On {
    One,     // its number is 1 (the text "1" and 1.0 too); anything else is off
    TextOne, // it equals the text "1": the number 1 or the text "1", nothing else
    NotZero, // anything but the number 0, no value and odd values included
};

struct Field {
    Table table;
    const char *name;
    Kind kind;
    QVariant fresh;  // as the program reads it; unused for Place and Path, which
                     // depend on the desktop
    On on = On::One; // for switches

    QString column() const { return QString::fromLatin1(name); }
};

// A field together with the type the program reads and writes it as.
template <class T> struct Setting : Field {
    using Type = T;
};

// "Agent Name": the character file chosen, "None" once speech was switched
// off, or no value at all, which names no character and asks for none.
struct CharacterChoice {
    enum class Is { Unset, None, File };
    Is is = Is::Unset;
    QString path; // when a file is named

    static CharacterChoice file(const QString &path) { return {Is::File, path}; }
    static CharacterChoice noneChosen() { return {Is::None, {}}; }

    bool namesFile() const { return is == Is::File; }
    bool isNone() const { return is == Is::None; }
    // As the speech settings show it: the path, "None", or nothing.
    QString text() const;
    bool operator==(const CharacterChoice &o) const { return is == o.is && path == o.path; }
};
Q_DECLARE_METATYPE(CharacterChoice)

namespace fields {

// Table "Form", the settings row.
inline const Setting<double> Left{{Table::Form, "Left", Kind::Place, {}}};
inline const Setting<double> Top{{Table::Form, "Top", Kind::Place, {}}};
inline const Setting<bool> Hidden{{Table::Form, "Hide/Show", Kind::Hidden, false}};
inline const Setting<bool> ClockEnabled{
    {Table::Form, "Clock Enabled", Kind::Switch, true, On::NotZero}};
inline const Setting<bool> ReadOnStart{
    {Table::Form, "Read on Start", Kind::Switch, false, On::TextOne}};
inline const Setting<bool> SpeechEnabled{{Table::Form, "Speech Enabled", Kind::Switch, true}};
inline const Setting<CharacterChoice> AgentName{{Table::Form, "Agent Name", Kind::Path, {}}};
inline const Setting<bool> TransEnabled{{Table::Form, "Trans Enabled", Kind::Switch, false}};
inline const Setting<int> TransLevel{{Table::Form, "Trans Level", Kind::Level, 255}};

// Table "Note", the note row.
inline const Setting<QString> Note{
    {Table::Note, "Note", Kind::Text, QStringLiteral("Click here to rename text.")}};
inline const Setting<QColor> TextColor{
    {Table::Note, "Text Color", Kind::Color, QColor(0x14, 0x28, 0x50)}}; // deep navy
inline const Setting<bool> StartAni{{Table::Note, "Start Ani", Kind::Flag, true}};
inline const Setting<bool> CloseAni{{Table::Note, "Close Ani", Kind::Flag, true}};

// Fields of our own in the settings row: how the character reads. The
// language is a tag of the voice's data, "" for the interface's; the speed a
// percentage of the character's own rate.
inline const Setting<QString> ReadingLanguage{
    {Table::Form, "Reading Language", Kind::Language, QString()}};
inline const Setting<int> ReadingSpeed{{Table::Form, "Reading Speed", Kind::Percent, 100}};
inline const Setting<bool> StayOnDesktop{
    {Table::Form, "Stay on Desktop", Kind::Switch, true, On::NotZero}};

// Every field, in the order of the columns of a fresh store. The note comes
// last in its record, so that the small fields before it are read and
// written without going through a long note. Fields added later come last:
// a store made before them gets them as added columns.
inline const Field *const all[] = {
    &Left,          &Top,       &Hidden,       &ClockEnabled,    &ReadOnStart,
    &SpeechEnabled, &AgentName, &TransEnabled, &TransLevel,      &TextColor,
    &StartAni,      &CloseAni,  &Note,         &ReadingLanguage, &ReadingSpeed,
    &StayOnDesktop};
inline constexpr int count = int(std::size(all));

// The field's place in `all`.
int indexOf(const Field &field);

} // namespace fields

// What a fresh store holds that depends on the desktop it starts on.
struct Defaults {
    QPointF place;     // twips, the main window's outer top-left corner
    QString character; // the bundled default character; empty: "None"
    QString note = {}; // the first note, in the user's language; empty: as designed

    // The field's value in a fresh store, as the program reads it.
    QVariant fresh(const Field &field) const;
};

// One field and the value to give it, in the field's own type.
struct Change {
    template <class T> struct Same {
        using type = T;
    };
    template <class T>
    Change(const Setting<T> &field, const typename Same<T>::type &value)
        : field(field), value(QVariant::fromValue(value))
    {}

    const Field &field;
    QVariant value;
};

namespace fields {

// The stored value (a number, a text, or no value) as the program reads it:
// the field's type, its rule applied.
QVariant read(const Field &field, const QVariant &stored, const Defaults &defaults);

// The value, in the field's type, as it is stored.
QVariant encode(const Field &field, const QVariant &value);

} // namespace fields
