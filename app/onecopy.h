// SPDX-License-Identifier: MIT
#pragma once

#include <QLockFile>
#include <QObject>

#include <memory>

class QSocketNotifier;

// One copy of the program per note store. The first copy holds a lock
// beside the store and listens on a socket of the session; a later copy
// hands over to it, which comes forward, and ends.
class OneCopy : public QObject {
    Q_OBJECT

public:
    explicit OneCopy(const QString &storePath);
    ~OneCopy() override;

    enum class Outcome { First, HandedOver, NoAnswer };
    // Takes the store for this copy, or hands over to the copy that has it.
    Outcome claim();

signals:
    // A later copy asked this one to come forward.
    void cameForward();

private:
    bool lock(const QString &path);
    void listen();

    QString m_storePath;
    QString m_socketPath; // the same for every copy on one store
    std::unique_ptr<QLockFile> m_lock;
    int m_listening = -1;
    QSocketNotifier *m_calls = nullptr;
};
