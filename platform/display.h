#pragma once

class QWidget;

// The few things the program needs from the display server beyond Qt.
// Everything here does nothing where the display is not X11.
namespace display {

// Keeps a top-level window out of the task bar. Qt marks tool windows as
// utility windows but does not ask for this state.
void setSkipTaskbar(QWidget *window);

// Sends every queued request to the display server without processing
// any event, so that a change made inside a running handler is seen.
void flush();

// Whether a compositing manager runs, so that translucent windows show
// what lies behind them. Assumed where the display is not X11.
bool isCompositing();

// Paints the window now and flushes: one visible step of an animation.
void paintNow(QWidget *window);

} // namespace display
