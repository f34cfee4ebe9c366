#include "characterpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

const QString fileName = QStringLiteral("quornel.qchar");

QStringList candidateFolders()
{
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath() +
                       QStringLiteral("/../share/quornel-desktop-notes/characters");
#ifdef QUORNEL_BUILD_DIR
    folders << QStringLiteral(QUORNEL_BUILD_DIR "/characters");
#endif
#ifdef QUORNEL_DATA_DIR
    folders << QStringLiteral(QUORNEL_DATA_DIR "/characters");
#endif
    return folders;
}

} // namespace

QString defaultCharacterPath()
{
    const QStringList folders = candidateFolders();
    for (const QString &folder : folders) {
        const QFileInfo file(QDir(folder), fileName);
        if (file.isFile())
            return QDir::cleanPath(file.absoluteFilePath());
    }
    return folders.isEmpty()
               ? QString()
               : QDir::cleanPath(QDir(folders.constLast()).absoluteFilePath(fileName));
}

QString charactersFolder()
{
    const QString path = defaultCharacterPath();
    return path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
}
