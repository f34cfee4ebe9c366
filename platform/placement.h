// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>

#include <optional>

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

// Shrinks a resizable window not yet shown to what the screen under the
// pointer holds, frame included: Qt's own dialogs are sized for a large
// screen, and open on the one under the pointer.
void fitSizeOnScreen(QWidget *window);

// The screen `window` lies on, by the middle of its frame; the primary
// screen when there is no window or it lies between screens.
QScreen *screenOf(const QWidget *window);

} // namespace placement
