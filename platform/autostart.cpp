// SPDX-License-Identifier: MIT
#include "autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

QString folder()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart");
}

// The program as an Exec key names it: quoted where it holds a character
// the key reserves, with the backslashes of a desktop entry's strings and
// its percent signs doubled.
QString execProgram()
{
    QString program = QCoreApplication::applicationFilePath();
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9/._+-]+$"));
    if (plain.match(program).hasMatch())
        return program;
    static const QRegularExpression escaped(QStringLiteral("([\"`$\\\\])"));
    program.replace(escaped, QStringLiteral("\\\\1"));
    program.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    program.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + program + QLatin1Char('"');
}

} // namespace

namespace autostart {

QString entryPath()
{
    return folder() + QStringLiteral("/quornel-desktop-notes.desktop");
}

bool isOn()
{
    QFile entry(entryPath());
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    static const QRegularExpression hidden(QStringLiteral("^Hidden\\s*=\\s*true\\s*$"),
                                           QRegularExpression::MultilineOption);
    return !hidden.match(QString::fromUtf8(entry.readAll())).hasMatch();
}

bool set(bool on, QString *error)
{
    const QString path = entryPath();
    if (!on) {
        if (QFileInfo::exists(path) && !QFile::remove(path)) {
            *error = QStringLiteral("The autostart entry \"%1\" cannot be removed.").arg(path);
            return false;
        }
        QDir().rmdir(folder()); // only when empty
        return true;
    }
    QSaveFile entry(path);
    if (!QDir().mkpath(folder()) || !entry.open(QIODevice::WriteOnly | QIODevice::Text)) {
        *error = QStringLiteral("The autostart entry \"%1\" cannot be written.").arg(path);
        return false;
    }
    entry.write(QStringLiteral("[Desktop Entry]\n"
                               "Type=Application\n"
                               "Name=Quornel Desktop Notes\n"
                               "Comment=A small note on the desktop, with a clock and a mascot "
                               "who reads it aloud\n"
                               "Exec=%1 --user\n"
                               "Icon=quornel-desktop-notes\n"
                               "Terminal=false\n"
                               "StartupNotify=false\n")
                    .arg(execProgram())
                    .toUtf8());
    if (!entry.commit()) {
        *error = QStringLiteral("The autostart entry \"%1\" cannot be written: %2")
                     .arg(path, entry.errorString());
        return false;
    }
    return true;
}

} // namespace autostart
