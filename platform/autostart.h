// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The user's own autostart entry, which starts the widget with the per-user
// store when the user logs in: $XDG_CONFIG_HOME/autostart/
// (~/.config/autostart/), under the name of the entry the program installs
// switched off, so that the user's copy takes its place.
namespace autostart {

QString entryPath();
// The user's entry is there and not switched off.
bool isOn();
// Writes the entry for the running program, or removes it together with
// the autostart folder when that is left empty (a folder the entry's
// writing made). Returns false, with the reason in `error`, on failure.
bool set(bool on, QString *error);

} // namespace autostart
