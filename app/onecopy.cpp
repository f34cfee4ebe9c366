// SPDX-License-Identifier: MIT
#include "onecopy.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// A plain socket of the session rather than Qt's network module: that
// module would be mapped for the whole run just to hear a later start.

namespace {

// The store's one name, however it was given.
QString canonical(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

bool addressOf(const QString &path, sockaddr_un *address)
{
    const QByteArray name = QFile::encodeName(path);
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (size_t(name.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, name.constData(), size_t(name.size()));
    return true;
}

// Asks the copy listening at `path` to come forward.
bool callForward(const QString &path)
{
    sockaddr_un address;
    const int s = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool done = s >= 0 && addressOf(path, &address) &&
                      ::connect(s, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
                      ::write(s, "forward\n", 8) == 8;
    if (s >= 0)
        ::close(s);
    return done;
}

} // namespace

OneCopy::OneCopy(const QString &storePath) : m_storePath(canonical(storePath))
{
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    const QByteArray hash =
        QCryptographicHash::hash(m_storePath.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_socketPath = runtime + QStringLiteral("/quornel-desktop-notes-") + QString::fromLatin1(hash);
}

OneCopy::~OneCopy()
{
    if (m_listening >= 0) {
        ::close(m_listening);
        QFile::remove(m_socketPath);
    }
}

bool OneCopy::lock(const QString &path)
{
    m_lock = std::make_unique<QLockFile>(path);
    // A lock left by a copy that is gone is taken over at once.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

void OneCopy::listen()
{
    sockaddr_un address;
    QFile::remove(m_socketPath); // left by a copy that died
    m_listening = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_listening < 0 || !addressOf(m_socketPath, &address) ||
        ::bind(m_listening, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        ::listen(m_listening, 4) != 0)
        return;
    m_calls = new QSocketNotifier(qintptr(m_listening), QSocketNotifier::Read, this);
    connect(m_calls, &QSocketNotifier::activated, this, [this] {
        const int caller = accept4(m_listening, nullptr, nullptr, SOCK_CLOEXEC);
        if (caller < 0)
            return;
        // A later start writes its word at once, then goes.
        char word[16] = {};
        timeval patience{1, 0};
        setsockopt(caller, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
        const ssize_t n = ::read(caller, word, sizeof word - 1);
        ::close(caller);
        if (n > 0 && std::strncmp(word, "forward", 7) == 0)
            emit cameForward();
    });
}

OneCopy::Outcome OneCopy::claim()
{
    // Beside the store; where its folder takes no new file, among the
    // session's run-time files.
    bool mine = lock(m_storePath + QStringLiteral(".lock"));
    if (!mine && m_lock->error() != QLockFile::LockFailedError)
        mine = lock(m_socketPath + QStringLiteral(".lock"));
    if (mine) {
        listen();
        return Outcome::First;
    }
    // The copy that holds the store may still be starting: ask for a while.
    const QDeadlineTimer deadline(5000);
    do {
        if (callForward(m_socketPath))
            return Outcome::HandedOver;
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return Outcome::NoAnswer;
}
