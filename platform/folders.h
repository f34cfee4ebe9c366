// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace folders {

// Makes the folder and those missing above it, each for the user alone
// (0700), as the XDG base directory rules ask of the folders a program
// makes for its data and configuration. True when the folder is there.
bool makePrivate(const QString &path);

} // namespace folders
