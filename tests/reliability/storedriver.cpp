// SPDX-License-Identifier: MIT
// Drives the note store from its own process for the reliability trials:
//   write DIR          write "change N" into the note, N = 1, 2, ...; print N
//                      once it is committed (the trial kills it at random)
//   read DIR [NOTE]    with NOTE, write it first
//   full DIR           write a log's worth and "before", fill the disk (a file
//                      beside the store), write "full 1".."full 20" (one call
//                      each), wait for the message, go on writing for 30 s,
//                      free the disk and wait until all is kept
// Answers "[before=0|1] keeping=0|1 messages=N note=...".

#include "store/notestore.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdio>
#include <functional>

namespace {

int messages = 0;

// Runs the store's events until `done` holds or 10 s have passed.
bool waitFor(const std::function<bool()> &done)
{
    const QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
}

bool landed(const NoteStore &store)
{
    return waitFor([&] { return !store.isWaiting() || !store.isKeeping(); }) && store.isKeeping();
}

void message(const QString &text)
{
    ++messages;
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
}

void fullDisk(NoteStore &store, const QString &dir)
{
    // A log of some length first: a fold lets later writes reuse its room.
    for (int i = 0; i < 30; ++i) {
        store.write({{fields::Left, 10.0 + i}, {fields::Top, 200.0}});
        landed(store);
    }
    waitFor([&] { return store.folds() > 0; });
    store.write({{fields::Note, QStringLiteral("before")}});
    std::printf("before=%d ", int(landed(store)));
    QFile filler(QDir(dir).filePath(QStringLiteral("filler")));
    const QByteArray block(4096, '\0');
    if (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        while (filler.write(block) == block.size()) {
        }
    for (int i = 1; i <= 20; ++i)
        store.write({{fields::Note, QStringLiteral("full %1").arg(i)}});
    waitFor([] { return messages > 0; }); // the failure is seen while the disk is full
    // Use goes on for 30 s while the disk stays full: a move every 20 ms, a
    // note now and then, a pause of 2 s (when the log is folded) every 2 s.
    const QDeadlineTimer use(30000);
    for (int i = 0; !use.hasExpired(); ++i) {
        store.write({{fields::Left, 100.0 + i % 50}, {fields::Top, 200.0}});
        if (i % 50 == 0)
            store.write({{fields::Note, QStringLiteral("full 20")}});
        QTest::qWait(i % 100 == 99 ? 2000 : 20);
    }
    filler.remove();
    waitFor([&] { return store.isKeeping(); });
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    QString error;
    const auto store = NoteStore::open(QDir(args[2]).filePath(NoteStore::fileName),
                                       {{1500, 900}, QString()}, &error);
    if (!store)
        return std::printf("error=1 %s\n", qPrintable(error)), 1;
    store->setRetryInterval(50);
    QObject::connect(store.get(), &NoteStore::writeFailed, store.get(), message);
    if (!store->readOnlyMessage().isEmpty())
        message(store->readOnlyMessage());
    if (args[1] == QLatin1String("write")) {
        for (int n = 1;; ++n) {
            store->write({{fields::Note, QStringLiteral("change %1").arg(n)}});
            if (landed(*store))
                std::printf("%d\n", n);
            std::fflush(stdout);
        }
    }
    if (args[1] == QLatin1String("full"))
        fullDisk(*store, args[2]);
    else if (args[1] != QLatin1String("read"))
        return 2;
    else if (args.size() > 3)
        store->write({{fields::Note, args[3]}});
    std::printf("keeping=%d messages=%d note=%s\n", int(store->isKeeping()), messages,
                qPrintable(store->get(fields::Note)));
    return 0;
}
