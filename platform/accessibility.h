// SPDX-License-Identifier: MIT
#pragma once

// What screen readers see of the program's windows: each window a frame, or
// a dialog where it is one (Form::setAccessibleRole); only the windows and
// controls that are shown, not the hidden ones that keep the program's
// state; every label's caption as its text (the note, the clock, what the
// character says), and a click action on every label that takes clicks.
// Installed once, before the first window shows.
namespace accessibility {

void install();

} // namespace accessibility
