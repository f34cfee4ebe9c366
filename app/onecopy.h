#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

#include <memory>

// One copy of the program per note store. The first copy holds a lock
// beside the store and listens for later ones; a later copy hands over to
// it, which comes forward, and ends.
class OneCopy : public QObject {
    Q_OBJECT

public:
    explicit OneCopy(const QString &storePath);

    enum class Outcome { First, HandedOver, NoAnswer };
    // Takes the store for this copy, or hands over to the copy that has it.
    Outcome claim();

signals:
    // A later copy asked this one to come forward.
    void cameForward();

private:
    bool lock(const QString &path);

    QString m_storePath;
    QString m_name; // of the hand-over channel, the same for every copy on one store
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};
