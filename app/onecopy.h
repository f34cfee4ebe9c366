// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QStringList>

class QSocketNotifier;

// One copy of the program per note store. The first copy holds a lock
// beside the store and listens on a socket among the user's run-time files;
// a later copy hands over to it, which comes forward, and ends. The lock is
// the kernel's, on an open file: a copy that dies leaves nothing that holds
// the store, whatever the file beside it holds.
class OneCopy : public QObject {
    Q_OBJECT

public:
    explicit OneCopy(const QString &storePath);
    ~OneCopy() override;

    // The store's real path: a store reached through symbolic links is the
    // same store.
    const QString &storePath() const { return m_storePath; }

    enum class Outcome { First, HandedOver, NoAnswer };
    // Takes the store for this copy, or hands over to the copy that has it.
    Outcome claim();
    // Not empty when the lock could not lie beside the store for a reason
    // the user should hear of.
    const QString &notice() const { return m_notice; }

    // Gives the store up: the socket and the lock go.
    void release();

signals:
    // A later copy asked this one to come forward.
    void cameForward();

private:
    enum class Lock { Taken, Held, Unusable };
    Lock lock(const QString &path);
    void listen();

    QString m_storePath;
    QString m_runtime;         // the user's private folder for run-time names, or empty
    QStringList m_socketNames; // where the copy that has the store may listen
    QString m_lockPath;
    int m_lockFile = -1;
    QString m_listenPath;
    int m_listening = -1;
    QSocketNotifier *m_calls = nullptr;
    QString m_notice;
};
