// SPDX-License-Identifier: MIT
#include "onecopy.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// A plain socket of the session rather than Qt's network module: that
// module would be mapped for the whole run just to hear a later start.

namespace {

// The store's one name, however it was given: links followed, the file's
// own included.
QString canonical(const QString &path)
{
    const QFileInfo info(path);
    if (QString real = info.canonicalFilePath(); !real.isEmpty())
        return real;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

// The user's own folder for run-time names: $XDG_RUNTIME_DIR, or else one
// made in the temporary folder for this user alone. Either is used only
// when it is a folder (not a link) of the user's with mode 0700: no other
// user can then take a name first. Empty when there is none.
QString runtimeFolder()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || QDir::isRelativePath(folder)) {
        folder = QDir::tempPath() + QStringLiteral("/quornel-desktop-notes-%1").arg(getuid());
        ::mkdir(QFile::encodeName(folder).constData(), 0700);
    }
    struct stat st;
    if (lstat(QFile::encodeName(folder).constData(), &st) != 0 || !S_ISDIR(st.st_mode) ||
        st.st_uid != getuid() || (st.st_mode & 0777) != 0700)
        return {};
    return folder;
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

// A later start writes its word at once, then goes. Its word is read as it
// comes, on the window's thread, which never waits for it: a caller that
// says nothing is dropped after a while, and so is the oldest when too many
// are on the line.
constexpr int callerPatienceMs = 2000;
constexpr int mostCallers = 8;

class Caller : public QObject {
    Q_OBJECT

public:
    Caller(int fd, QObject *parent, std::function<void()> forward)
        : QObject(parent), m_fd(fd), m_forward(std::move(forward))
    {
        connect(&m_readable, &QSocketNotifier::activated, this, [this] { read(); });
        QTimer::singleShot(callerPatienceMs, this, [this] { deleteLater(); });
    }
    ~Caller() override { ::close(m_fd); }

private:
    void read()
    {
        char chunk[16];
        const ssize_t n = ::read(m_fd, chunk, sizeof chunk);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (n > 0)
            m_word.append(chunk, int(n));
        if (n > 0 && m_word.size() < 7)
            return; // the rest is on its way
        m_readable.setEnabled(false);
        if (m_word.startsWith("forward"))
            m_forward();
        deleteLater();
    }

    int m_fd;
    QSocketNotifier m_readable{qintptr(m_fd), QSocketNotifier::Read};
    std::function<void()> m_forward;
    QByteArray m_word;
};

} // namespace

OneCopy::OneCopy(const QString &storePath)
    : m_storePath(canonical(storePath)), m_runtime(runtimeFolder())
{
    if (m_runtime.isEmpty())
        return;
    const QString name =
        m_runtime + QStringLiteral("/quornel-desktop-notes-") +
        QString::fromLatin1(QCryptographicHash::hash(m_storePath.toUtf8(), QCryptographicHash::Sha1)
                                .toHex()
                                .left(16));
    // Later names stand in for one that something else took (a folder).
    m_socketNames = {name, name + QStringLiteral("-1"), name + QStringLiteral("-2")};
}

OneCopy::~OneCopy()
{
    release();
}

void OneCopy::release()
{
    if (m_listening >= 0) {
        delete m_calls;
        m_calls = nullptr;
        ::close(m_listening);
        m_listening = -1;
        ::unlink(QFile::encodeName(m_listenPath).constData());
    }
    if (m_lockFile >= 0) {
        // Removed while still held: a copy that opened it meanwhile sees
        // that it is gone and takes a new one.
        ::unlink(QFile::encodeName(m_lockPath).constData());
        ::close(m_lockFile);
        m_lockFile = -1;
    }
}

OneCopy::Lock OneCopy::lock(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EACCES) // a lock file this user cannot change locks as well
            fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            if (errno == EISDIR)
                m_notice =
                    tr("A folder \"%1\" stands where Quornel Desktop Notes keeps the lock of "
                       "its note store. The folder is left as it is; the lock is kept "
                       "elsewhere.")
                        .arg(path);
            return Lock::Unusable;
        }
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK;
            ::close(fd);
            return held ? Lock::Held : Lock::Unusable;
        }
        // A copy that was leaving may have removed the name meanwhile.
        struct stat mine, named;
        if (fstat(fd, &mine) == 0 && stat(name.constData(), &named) == 0 &&
            mine.st_dev == named.st_dev && mine.st_ino == named.st_ino) {
            m_lockPath = path;
            m_lockFile = fd;
            return Lock::Taken;
        }
        ::close(fd);
    }
    return Lock::Held;
}

void OneCopy::listen()
{
    for (const QString &name : std::as_const(m_socketNames)) {
        sockaddr_un address;
        struct stat st;
        const QByteArray path = QFile::encodeName(name);
        if (lstat(path.constData(), &st) == 0) {
            if (S_ISDIR(st.st_mode))
                continue;               // not ours to remove
            ::unlink(path.constData()); // left by a copy that died: the lock is ours
        }
        const int s = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (s >= 0 && addressOf(name, &address) &&
            ::bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
            ::listen(s, 4) == 0) {
            m_listening = s;
            m_listenPath = name;
            break;
        }
        if (s >= 0)
            ::close(s);
    }
    if (m_listening < 0)
        return;
    m_calls = new QSocketNotifier(qintptr(m_listening), QSocketNotifier::Read, this);
    connect(m_calls, &QSocketNotifier::activated, this, [this] {
        for (;;) {
            const int fd = accept4(m_listening, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (fd < 0)
                return;
            const QList<Caller *> callers = m_calls->findChildren<Caller *>();
            if (callers.size() >= mostCallers)
                delete callers.constFirst();
            new Caller(fd, m_calls, [this] { emit cameForward(); });
        }
    });
}

OneCopy::Outcome OneCopy::claim()
{
    // Beside the store; where that cannot be, among the run-time names.
    const QDeadlineTimer deadline(5000);
    for (;;) {
        Lock got = lock(m_storePath + QStringLiteral(".lock"));
        if (got == Lock::Unusable && !m_socketNames.isEmpty())
            got = lock(m_socketNames.constFirst() + QStringLiteral(".lock"));
        // With no lock to be had anywhere, nothing can stand in the way.
        if (got != Lock::Held) {
            listen();
            return Outcome::First;
        }
        // The copy that holds the store may still be starting, or leaving.
        for (const QString &name : std::as_const(m_socketNames)) {
            if (callForward(name))
                return Outcome::HandedOver;
        }
        if (deadline.hasExpired())
            return Outcome::NoAnswer;
        QThread::msleep(100);
    }
}

#include "onecopy.moc"
