// SPDX-License-Identifier: MIT
#include "characterpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
const QString defaultFile = QStringLiteral("quornel.qchar");
} // namespace

QString charactersFolder()
{
    const QString here = QCoreApplication::applicationDirPath();
    QString installed =
        QDir::cleanPath(here + QStringLiteral("/" QUORNEL_DATA_FROM_PROGRAM "/characters"));
    QString built = QDir::cleanPath(here + QStringLiteral("/characters"));
    if (!QFileInfo(installed, defaultFile).isFile() && QFileInfo(built, defaultFile).isFile())
        return built;
    return installed;
}

QString defaultCharacterPath()
{
    return QDir(charactersFolder()).filePath(defaultFile);
}

QString findCharacter(const QString &path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QFileInfo bundled(QDir(charactersFolder()), QFileInfo(path).fileName());
    return bundled.isFile() ? bundled.filePath() : path;
}
