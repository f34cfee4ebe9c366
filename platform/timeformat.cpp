#include "timeformat.h"

#include <QRegularExpression>

QString longTimeFormat(const QLocale &locale)
{
    // Outside quotes: the time zone ("t") goes, and so do the brackets and
    // separators that held it; the day period ("B") that this version of
    // Qt cannot show becomes the day-half marker.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        if (!quoted && c == QLatin1Char('B')) {
            out += QLatin1String("AP");
            continue;
        }
        out += c;
    }
    static const QRegularExpression emptyBrackets(QStringLiteral("\\(\\s*\\)|\\[\\s*\\]"));
    static const QRegularExpression dangling(QStringLiteral("^[\\s,;]+|[\\s,;]+$"));
    out.remove(emptyBrackets);
    out.remove(dangling);
    return out.simplified();
}

QString longTimeText(const QTime &time, const QLocale &locale)
{
    return locale.toString(time, longTimeFormat(locale));
}
