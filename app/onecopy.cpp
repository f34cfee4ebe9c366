#include "onecopy.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

// The store's one name, however it was given.
QString canonical(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

QString runtimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

} // namespace

OneCopy::OneCopy(const QString &storePath) : m_storePath(canonical(storePath))
{
    const QByteArray hash =
        QCryptographicHash::hash(m_storePath.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_name =
        runtimeFolder() + QStringLiteral("/quornel-desktop-notes-") + QString::fromLatin1(hash);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *peer = m_server.nextPendingConnection()) {
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (peer->readAll().contains("forward"))
                    emit cameForward();
            });
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
}

bool OneCopy::lock(const QString &path)
{
    m_lock = std::make_unique<QLockFile>(path);
    // A lock left by a copy that is gone is taken over at once.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

OneCopy::Outcome OneCopy::claim()
{
    // Beside the store; where its folder takes no new file, among the
    // session's run-time files.
    bool mine = lock(m_storePath + QStringLiteral(".lock"));
    if (!mine && m_lock->error() != QLockFile::LockFailedError)
        mine = lock(m_name + QStringLiteral(".lock"));
    if (mine) {
        QLocalServer::removeServer(m_name);
        m_server.listen(m_name);
        return Outcome::First;
    }
    // The copy that holds the store may still be starting: ask for a while.
    const QDeadlineTimer deadline(5000);
    do {
        QLocalSocket copy;
        copy.connectToServer(m_name);
        if (copy.waitForConnected(500)) {
            copy.write("forward\n");
            copy.waitForBytesWritten(1000);
            copy.disconnectFromServer();
            return Outcome::HandedOver;
        }
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return Outcome::NoAnswer;
}
