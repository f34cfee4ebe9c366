// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// Window and control geometry is designed in twips: 1440 to the inch,
// 15 to a logical pixel at 96 dpi. Qt's own high-DPI scaling takes it
// from logical pixels to the device.
namespace twips {

inline constexpr int perPixel = 15;

// Caption bar and borders of every designed tool window. The window
// manager draws its own frame, whatever its size; the client area is the
// designed outer height less this.
inline constexpr int designedFrame = 330;

inline int toPx(double t)
{
    return qRound(t / perPixel);
}
inline double fromPx(int px)
{
    return double(px) * perPixel;
}

} // namespace twips
