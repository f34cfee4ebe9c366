// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The user's own autostart entry, which starts the widget on the store of
// the copy that wrote it when the user logs in: $XDG_CONFIG_HOME/autostart/
// (~/.config/autostart/), under the name of the entry the program installs
// switched off, so that the user's copy takes its place.
namespace autostart {

// The options that name this copy's store, as the entry passes them:
// "--user", or "--store" and the store's absolute path. "--user" until
// told otherwise.
void setStoreArguments(const QStringList &arguments);

QString entryPath();
// The user's entry is there, not switched off, and starts this copy's
// store with this program.
bool isOn();
// Writes the entry for the running program and its store, or removes it
// together with the autostart folder when that is left empty (a folder the
// entry's writing made). Returns false, with the reason in `error`, on
// failure.
bool set(bool on, QString *error);

} // namespace autostart
