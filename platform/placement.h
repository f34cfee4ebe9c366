// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>

#include <functional>
#include <optional>

class QDialog;
class QScreen;
class QWidget;

namespace placement {

// The outer corner of `outer` moved the least distance that brings it
// wholly into `area`; unmoved when it lies there already. A window larger
// than the area keeps its top or left edge in it, with its caption bar.
QPoint fitInto(const QRect &outer, const QRect &area);

// Where a window whose frame is `outer` must go to be in reach: nowhere
// (nullopt) while its caption bar and at least half its width and height
// lie on one screen; otherwise wholly onto the screen nearest its caption
// bar, moved the least.
std::optional<QPoint> keptOnScreen(const QRect &outer);

// Moves a shown window that keptOnScreen() finds out of reach.
void keepOnScreen(QWidget *window);

// Runs `keep` once the screens have settled after one came, went or
// changed, for as long as `window` lives.
void whenScreensChange(QWidget *window, const std::function<void()> &keep);
// Whether a screen came, went or changed within the last `ms` milliseconds:
// the window manager may have moved windows for it.
bool screensChangedWithin(int ms);

// Places a window not yet shown with its client area's corner at `client`
// when all of it, frame included, lies on `screen`; otherwise moved the
// least distance that brings it wholly onto it.
void openOn(QWidget *window, QPoint client, const QScreen *screen);

// Shrinks a resizable window not yet shown to what `screen` holds, frame
// included.
void fitSizeOnScreen(QWidget *window, const QScreen *screen);

// A fixed-size dialog of Qt's, not yet shown, that `screen` cannot hold,
// frame included, gets all but its buttons in a scroll area, and the size
// the screen holds: its buttons stay in reach.
void fitLayoutOnScreen(QDialog *dialog, const QScreen *screen);

// The screen `window` lies on, by the middle of its frame; the primary
// screen when there is no window or it lies between screens.
QScreen *screenOf(const QWidget *window);

} // namespace placement
