// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace fitting {

// The width (pixels) the control needs to show its text whole on one line
// (or, a button that wraps its caption, within its height), in its face and
// with the margins its style draws around the text. A control with no text
// of ours to fit (a text box, a picture, a label that shortens or shrinks its
// text by itself) needs no more than the width it has.
int widthNeeded(const QWidget *control);

} // namespace fitting
