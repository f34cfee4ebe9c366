// SPDX-License-Identifier: MIT
#include "fields.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// An X11 coordinate is a signed 16-bit number of pixels.
constexpr double furthestPlace = 32767.0 * 15;

const QString hide = QStringLiteral("Hide");
const QString none = QStringLiteral("None");

bool isNumber(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

bool isText(const QVariant &v)
{
    return v.typeId() == QMetaType::QString;
}

// The value as a number: a number as it is, a text when it reads as one.
bool numberOf(const QVariant &v, double *out)
{
    if (v.isNull() || !v.isValid())
        return false;
    if (isNumber(v)) {
        *out = v.toDouble();
        return std::isfinite(*out);
    }
    if (!isText(v))
        return false;
    bool ok = false;
    const double d = v.toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return false;
    *out = d;
    return true;
}

bool isWhole(double d, double low, double high)
{
    return d >= low && d <= high && d == std::floor(d);
}

// A language tag as the voice's data names its languages: a language and
// its subtags ("de", "en-GB-x-rp", "cmn-Latn-pinyin").
bool isLanguageTag(const QString &text)
{
    static const QRegularExpression tag(QStringLiteral("^[A-Za-z]{2,8}(-[A-Za-z0-9]{1,8})*$"));
    return tag.match(text).hasMatch();
}

bool isOn(On test, const QVariant &stored)
{
    double d = 0;
    switch (test) {
    case On::One:
        return numberOf(stored, &d) && d == 1;
    case On::TextOne:
        if (isText(stored))
            return stored.toString() == QLatin1String("1");
        return isNumber(stored) && stored.toDouble() == 1;
    case On::NotZero:
        return !numberOf(stored, &d) || d != 0;
    }
    return false;
}

} // namespace

QString CharacterChoice::text() const
{
    return is == Is::None ? none : path;
}

QVariant Defaults::fresh(const Field &field) const
{
    if (&field == &fields::Left)
        return double(float(place.x()));
    if (&field == &fields::Top)
        return double(float(place.y()));
    if (&field == &fields::Note && !note.isEmpty())
        return note;
    if (&field == &fields::AgentName)
        return QVariant::fromValue(character.isEmpty() ? CharacterChoice::noneChosen()
                                                       : CharacterChoice::file(character));
    return field.fresh;
}

namespace fields {

int indexOf(const Field &field)
{
    for (int i = 0; i < count; ++i) {
        if (all[i] == &field)
            return i;
    }
    Q_ASSERT_X(false, "fields::indexOf", "a field outside fields::all");
    return 0;
}

QVariant read(const Field &field, const QVariant &stored, const Defaults &defaults)
{
    const bool null = stored.isNull() || !stored.isValid();
    double d = 0;
    switch (field.kind) {
    case Kind::Place:
        if (!numberOf(stored, &d) || std::fabs(d) > furthestPlace)
            return defaults.fresh(field);
        return double(float(d));
    case Kind::Hidden:
        return isText(stored) && stored.toString() == hide;
    case Kind::Switch:
        return isOn(field.on, stored);
    case Kind::Level:
        if (!numberOf(stored, &d) || !isWhole(d, 0, 255))
            return 255;
        return int(d);
    case Kind::Color: {
        if (!numberOf(stored, &d) || !isWhole(d, -2147483648.0, 4294967295.0))
            return field.fresh;
        const quint32 bgr = quint32(qint64(d));
        return QColor(int(bgr & 0xff), int((bgr >> 8) & 0xff), int((bgr >> 16) & 0xff));
    }
    case Kind::Flag:
        return isText(stored) && stored.toString() == QLatin1String("True");
    case Kind::Path:
        if (null)
            return QVariant::fromValue(CharacterChoice());
        if (!isNumber(stored) && stored.toString() == none)
            return QVariant::fromValue(CharacterChoice::noneChosen());
        return QVariant::fromValue(CharacterChoice::file(stored.toString()));
    case Kind::Text:
        return null ? defaults.fresh(field).toString() : stored.toString();
    case Kind::Language:
        return isText(stored) && isLanguageTag(stored.toString()) ? stored.toString() : QString();
    case Kind::Percent:
        if (!numberOf(stored, &d) || !isWhole(d, 50, 200))
            return field.fresh;
        return int(d);
    }
    return stored;
}

QVariant encode(const Field &field, const QVariant &value)
{
    switch (field.kind) {
    case Kind::Place:
        return double(float(value.toDouble()));
    case Kind::Hidden:
        return value.toBool() ? hide : QStringLiteral("Show");
    case Kind::Switch:
        return qint64(value.toBool() ? 1 : 0);
    case Kind::Level:
        return QString::number(qBound(0, value.toInt(), 255));
    case Kind::Color: {
        const QColor c = value.value<QColor>();
        return qint64(c.red()) | (qint64(c.green()) << 8) | (qint64(c.blue()) << 16);
    }
    case Kind::Flag:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case Kind::Path: {
        const auto choice = value.value<CharacterChoice>();
        return choice.is == CharacterChoice::Is::Unset ? QVariant() : QVariant(choice.text());
    }
    case Kind::Text:
    case Kind::Language:
        return value.toString();
    case Kind::Percent:
        return qint64(qBound(50, value.toInt(), 200));
    }
    return value;
}

} // namespace fields
