// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

// The locale's long time format without its time-zone part: hours,
// minutes and seconds, with the day-half marker where the locale has one.
QString longTimeFormat(const QLocale &locale);
QString longTimeText(const QTime &time, const QLocale &locale = QLocale());
