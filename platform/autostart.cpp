// SPDX-License-Identifier: MIT
#include "autostart.h"

#include "folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <utility>

namespace {

QStringList &storeArguments()
{
    static QStringList arguments{QStringLiteral("--user")};
    return arguments;
}

QString folder()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart");
}

// An argument as an Exec key holds it: quoted where it holds a character
// the key reserves, with the backslashes of a desktop entry's strings and
// its percent signs doubled.
QString execArgument(QString argument)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9/._+-]+$"));
    if (plain.match(argument).hasMatch())
        return argument;
    static const QRegularExpression escaped(QStringLiteral("([\"`$\\\\])"));
    argument.replace(escaped, QStringLiteral("\\\\1"));
    argument.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    argument.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + argument + QLatin1Char('"');
}

// The command the entry runs: this program on this copy's store.
QString execLine()
{
    QStringList words{execArgument(QCoreApplication::applicationFilePath())};
    for (const QString &argument : std::as_const(storeArguments()))
        words << execArgument(argument);
    return QStringLiteral("Exec=") + words.join(QLatin1Char(' '));
}

} // namespace

namespace autostart {

void setStoreArguments(const QStringList &arguments)
{
    storeArguments() = arguments;
}

QString entryPath()
{
    return folder() + QStringLiteral("/quornel-desktop-notes.desktop");
}

bool isOn()
{
    QFile entry(entryPath());
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QStringList lines =
        QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    static const QRegularExpression hidden(QStringLiteral("^Hidden\\s*=\\s*true\\s*$"));
    return lines.contains(execLine()) &&
           !std::any_of(lines.begin(), lines.end(),
                        [](const QString &line) { return hidden.match(line).hasMatch(); });
}

bool set(bool on, QString *error)
{
    const QString path = entryPath();
    if (!on) {
        if (QFileInfo::exists(path) && !QFile::remove(path)) {
            *error = QCoreApplication::translate("Autostart",
                                                 "The autostart entry \"%1\" cannot be removed.")
                         .arg(path);
            return false;
        }
        QDir().rmdir(folder()); // only when empty
        return true;
    }
    QSaveFile entry(path);
    if (!folders::makePrivate(folder()) || !entry.open(QIODevice::WriteOnly | QIODevice::Text)) {
        *error = QCoreApplication::translate("Autostart",
                                             "The autostart entry \"%1\" cannot be written.")
                     .arg(path);
        return false;
    }
    entry.write(QStringLiteral("[Desktop Entry]\n"
                               "Type=Application\n"
                               "Name=Quornel Desktop Notes\n"
                               "Comment=A small note on the desktop, with a clock and a mascot "
                               "who reads it aloud\n"
                               "%1\n"
                               "Icon=quornel-desktop-notes\n"
                               "Terminal=false\n"
                               "StartupNotify=false\n")
                    .arg(execLine())
                    .toUtf8());
    if (!entry.commit()) {
        *error = QCoreApplication::translate("Autostart",
                                             "The autostart entry \"%1\" cannot be written: %2")
                     .arg(path, entry.errorString());
        return false;
    }
    return true;
}

} // namespace autostart
