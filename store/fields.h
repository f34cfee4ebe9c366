#pragma once

#include <QList>
#include <QPair>
#include <QPointF>
#include <QString>
#include <QVariant>

// Every field of the note store: its name, its default, and the rules by
// which the program reads its values.
namespace fields {

// Table "Form", the settings row.
inline const QString Left = QStringLiteral("Left");
inline const QString Top = QStringLiteral("Top");
inline const QString HideShow = QStringLiteral("Hide/Show");
inline const QString ClockEnabled = QStringLiteral("Clock Enabled");
inline const QString ReadOnStart = QStringLiteral("Read on Start");
inline const QString SpeechEnabled = QStringLiteral("Speech Enabled");
inline const QString AgentName = QStringLiteral("Agent Name");
inline const QString TransEnabled = QStringLiteral("Trans Enabled");
inline const QString TransLevel = QStringLiteral("Trans Level");

// Table "Note", the note row.
inline const QString Note = QStringLiteral("Note");
inline const QString TextColor = QStringLiteral("Text Color");
inline const QString StartAni = QStringLiteral("Start Ani");
inline const QString CloseAni = QStringLiteral("Close Ani");

inline constexpr quint32 defaultTextColor = 0x00502814; // deep navy, 0x00BBGGRR
inline constexpr int defaultLevel = 255;
inline const QString defaultNote = QStringLiteral("Click here to rename text.");

using Row = QList<QPair<QString, QVariant>>;

// The values of a fresh store, in the order of the columns.
struct Defaults {
    QPointF position;  // twips, the window's outer top-left corner
    QString agentPath; // the bundled default character

    Row formRow() const;
    Row noteRow() const;
};

// Values the program would fail on read as the defaults.
float toSingle(const QVariant &v, float fallback);
quint32 toColor(const QVariant &v);
QString toText(const QVariant &v, const QString &fallback);
// A check-box switch: 0 or 1, anything else reads as `fallback`.
int toSwitch(const QVariant &v, int fallback);
// A whole level from 0 to 255; anything else reads as 255.
int toLevel(const QVariant &v);

// Comparisons as the handlers make them: a number and a numeric text
// compare by value; texts compare exactly, letter case included; a null
// equals nothing.
bool equalsNumber(const QVariant &v, double n);
bool equalsText(const QVariant &v, const QString &s);
// A stored switch taken as a Boolean: the text "True" in any letter case
// or a non-zero number.
bool isTrue(const QVariant &v);

} // namespace fields
