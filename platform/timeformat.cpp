// SPDX-License-Identifier: MIT
#include "timeformat.h"

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
    for (const char *empty : {"()", "[]"}) {
        for (qsizetype at; (at = out.indexOf(QLatin1Char(empty[0]))) >= 0;) {
            qsizetype end = at + 1;
            while (end < out.size() && out.at(end).isSpace())
                ++end;
            if (end >= out.size() || out.at(end) != QLatin1Char(empty[1]))
                break;
            out.remove(at, end + 1 - at);
        }
    }
    auto dangling = [](QChar c) { return c.isSpace() || c == u',' || c == u';'; };
    while (!out.isEmpty() && dangling(out.front()))
        out.remove(0, 1);
    while (!out.isEmpty() && dangling(out.back()))
        out.chop(1);
    return out.simplified();
}

QString longTimeText(const QTime &time, const QLocale &locale)
{
    return locale.toString(time, longTimeFormat(locale));
}
