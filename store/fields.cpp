#include "fields.h"

#include <cmath>

namespace fields {

Row Defaults::formRow() const
{
    return {
        {Left, double(float(position.x()))},
        {Top, double(float(position.y()))},
        {HideShow, QStringLiteral("Show")},
        {ClockEnabled, 1},
        {ReadOnStart, 0},
        {SpeechEnabled, 1},
        {AgentName, agentPath.isEmpty() ? QStringLiteral("None") : agentPath},
        {TransEnabled, 0},
        {TransLevel, QStringLiteral("255")},
    };
}

Row Defaults::noteRow() const
{
    return {
        {Note, defaultNote},
        {TextColor, qint64(defaultTextColor)},
        {StartAni, QStringLiteral("True")},
        {CloseAni, QStringLiteral("True")},
    };
}

namespace {

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
        return true;
    }
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const double d = v.toString().trimmed().toDouble(&ok);
        if (ok && std::isfinite(d)) {
            *out = d;
            return true;
        }
    }
    return false;
}

} // namespace

float toSingle(const QVariant &v, float fallback)
{
    double d = 0;
    if (!numberOf(v, &d) || std::fabs(d) > 3.0e38)
        return fallback;
    return float(d);
}

quint32 toColor(const QVariant &v)
{
    double d = 0;
    if (!numberOf(v, &d) || d < -2147483648.0 || d > 4294967295.0 || d != std::floor(d))
        return defaultTextColor;
    return quint32(qint64(d)) & 0x00ffffffu;
}

QString toText(const QVariant &v, const QString &fallback)
{
    if (v.isNull() || !v.isValid())
        return fallback;
    return v.toString();
}

int toSwitch(const QVariant &v, int fallback)
{
    double d = 0;
    if (!numberOf(v, &d) || (d != 0 && d != 1))
        return fallback;
    return int(d);
}

int toLevel(const QVariant &v)
{
    double d = 0;
    if (!numberOf(v, &d) || d < 0 || d > 255 || d != std::floor(d))
        return defaultLevel;
    return int(d);
}

bool equalsNumber(const QVariant &v, double n)
{
    double d = 0;
    return numberOf(v, &d) && d == n;
}

bool equalsText(const QVariant &v, const QString &s)
{
    if (v.isNull() || !v.isValid())
        return false;
    if (isNumber(v)) {
        bool ok = false;
        const double literal = s.trimmed().toDouble(&ok);
        return ok && v.toDouble() == literal;
    }
    return v.toString() == s;
}

bool isTrue(const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return false;
    if (isNumber(v))
        return v.toDouble() != 0;
    return v.toString().trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

} // namespace fields
