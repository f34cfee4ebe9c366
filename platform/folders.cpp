// SPDX-License-Identifier: MIT
#include "folders.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace folders {

bool makePrivate(const QString &path)
{
    if (QFileInfo(path).isDir())
        return true;
    const QString parent = QFileInfo(path).path();
    return (parent == path || makePrivate(parent)) &&
           (::mkdir(QFile::encodeName(path).constData(), 0700) == 0 || errno == EEXIST);
}

} // namespace folders
