// SPDX-License-Identifier: MIT
#include "waysout.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalWriter = -1;
std::function<void()> *finishing = nullptr; // while a WaysOut exists

void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalWriter, &byte, 1);
    errno = saved;
}

// The toolkit's exit() when the display has gone: the writes land, then the
// program ends as if it had left by itself.
void onExit()
{
    if (!finishing)
        return;
    (*finishing)();
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace

WaysOut::WaysOut(std::function<void()> finish)
{
    static bool exitHandler = std::atexit(onExit) == 0;
    Q_UNUSED(exitHandler);
    finishing = new std::function<void()>(std::move(finish));

    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, m_pair) != 0)
        return;
    signalWriter = m_pair[0];
    m_signals = new QSocketNotifier(qintptr(m_pair[1]), QSocketNotifier::Read, this);
    connect(m_signals, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(m_pair[1], bytes, sizeof bytes) > 0) {
        }
        // Every loop ends, a message box's too; the windows, the store and
        // the lock are closed as the program returns.
        QCoreApplication::exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP})
        sigaction(s, &action, nullptr);
}

WaysOut::~WaysOut()
{
    delete finishing;
    finishing = nullptr;
    // A signal from now on finds the program leaving already.
    struct sigaction action = {};
    action.sa_handler = SIG_IGN;
    for (int s : {SIGTERM, SIGINT, SIGHUP})
        sigaction(s, &action, nullptr);
    signalWriter = -1;
    if (m_pair[0] >= 0) {
        ::close(m_pair[0]);
        ::close(m_pair[1]);
    }
}
