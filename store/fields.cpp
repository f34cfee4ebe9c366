// SPDX-License-Identifier: MIT
#include "fields.h"

#include <cmath>

namespace {

// An X11 coordinate is a signed 16-bit number of pixels.
constexpr double furthestPlace = 32767.0 * 15;

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

// The value as a number: a number as it is, a text when it reads as one.
bool numberOf(const QVariant &v, double *out)
{
    if (v.isNull() || !v.isValid())
        return false;
    if (isNumber(v)) {
        *out = v.toDouble();
        return std::isfinite(*out);
    }
    if (v.typeId() != QMetaType::QString)
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

} // namespace

QVariant Defaults::fresh(const Field &field) const
{
    if (&field == &fields::Left)
        return double(float(place.x()));
    if (&field == &fields::Top)
        return double(float(place.y()));
    if (&field == &fields::AgentName)
        return character.isEmpty() ? fields::none : character;
    return field.fresh;
}

namespace fields {

QVariant read(const Field &field, const QVariant &stored, const Defaults &defaults)
{
    const bool null = stored.isNull() || !stored.isValid();
    double d = 0;
    switch (field.kind) {
    case Kind::Place:
        if (!numberOf(stored, &d) || std::fabs(d) > furthestPlace)
            return defaults.fresh(field);
        return double(float(d));
    case Kind::Switch:
        if (!numberOf(stored, &d) || (d != 0 && d != 1))
            return 0;
        return int(d);
    case Kind::Level:
        if (!numberOf(stored, &d) || !isWhole(d, 0, 255))
            return 255;
        return int(d);
    case Kind::Color:
        if (!numberOf(stored, &d) || !isWhole(d, -2147483648.0, 4294967295.0))
            return quint32(field.fresh.toLongLong());
        return quint32(qint64(d)) & 0x00ffffffu;
    case Kind::Flag:
        return !null && !isNumber(stored) && stored.toString() == QLatin1String("True");
    case Kind::Path:
        return null ? QVariant() : QVariant(stored.toString());
    case Kind::Word:
    case Kind::Text:
        return null ? defaults.fresh(field).toString() : stored.toString();
    }
    return stored;
}

bool isOn(const Field &field, const QVariant &stored)
{
    double d = 0;
    switch (field.on) {
    case On::One:
        return numberOf(stored, &d) && d == 1;
    case On::TextOne:
        if (stored.typeId() == QMetaType::QString)
            return stored.toString() == QLatin1String("1");
        return isNumber(stored) && stored.toDouble() == 1;
    case On::NotZero:
        return !numberOf(stored, &d) || d != 0;
    }
    return false;
}

QVariant encode(const Field &field, const QVariant &value)
{
    switch (field.kind) {
    case Kind::Place:
        return double(float(value.toDouble()));
    case Kind::Switch:
        return qint64(value.toInt());
    case Kind::Level:
        return value.typeId() == QMetaType::QString ? value.toString()
                                                    : QString::number(value.toInt());
    case Kind::Color:
        return qint64(value.toLongLong() & 0x00ffffff);
    case Kind::Flag:
        if (value.typeId() == QMetaType::Bool)
            return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        return value.toString();
    case Kind::Path:
    case Kind::Word:
    case Kind::Text:
        return value.isNull() ? QVariant() : QVariant(value.toString());
    }
    return value;
}

} // namespace fields
