// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// The ways out of the program that do not pass through its windows end it
// as cleanly as Exit, with status 0, once `finish` has let the writes land:
//
// - SIGTERM, SIGINT and SIGHUP (logout, shutdown, Ctrl-C) end the event
//   loop. The handler only writes a byte into a socket pair; a notifier on
//   the other end reads it on the window's thread.
// - When the display goes away, the toolkit ends the process from inside
//   the event loop with exit(); `finish` then runs from an exit handler.
//
// While one exists, that is: from construction to destruction.
class WaysOut : public QObject {
    Q_OBJECT

public:
    explicit WaysOut(std::function<void()> finish);
    ~WaysOut() override;

private:
    int m_pair[2] = {-1, -1};
    QSocketNotifier *m_signals = nullptr;
};
