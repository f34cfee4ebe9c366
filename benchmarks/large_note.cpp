// SPDX-License-Identifier: MIT
// What a long note costs the store: for notes of 1 MB and 10 MB, how long
// the calls made on the user-interface thread take (writing the note, a
// flag of the note row and the position beside it, reading, opening), how
// long the worker thread takes to write the note row, and how much memory
// the process used at most beyond what it held before.

#include "store/notestore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

double ms(const std::function<void()> &f)
{
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e6;
}

// The resident memory now and at most (KB); resetPeak() starts the peak anew.
long memoryKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}
void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Defaults defaults{{1500, 900}, QString()};
    for (int megabytes : {1, 10}) {
        QString note, changed;
        while (note.size() < (megabytes << 20))
            note += QStringLiteral("A line of the note, number %1.\n").arg(note.size());
        note.truncate(megabytes << 20);
        changed = note + u'!';
        QTemporaryDir dir;
        const QString path = dir.filePath(NoteStore::fileName);
        QString error;
        auto store = NoteStore::open(path, defaults, &error);
        auto inBackground = [&] {
            return ms([&] {
                while (store->isWaiting())
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            });
        };
        const long before = memoryKb("VmRSS:");
        resetPeak();
        const double write = ms([&] { store->write({{fields::Note, note}}); });
        const double written = inBackground();
        const double again = ms([&] { store->write({{fields::Note, changed}}); });
        const double place = ms([&] {
            store->write({{fields::Left, 1234.0}, {fields::Top, 5.0}});
        });
        const double rewritten = inBackground();
        const double flag = ms([&] { store->write({{fields::CloseAni, false}}); });
        const double flagged = inBackground();
        const double read = ms([&] { store->get(fields::Note); });
        store.reset();
        const double open = ms([&] { store = NoteStore::open(path, defaults, &error); });
        const double first = ms([&] { store->get(fields::Note); });
        const long peak = memoryKb("VmHWM:") - before;
        std::printf(
            "%2d MB note, on the calling thread: write %.2f ms, write it changed %.2f ms, "
            "write the place meanwhile %.3f ms, write a flag %.2f ms, read %.3f ms, "
            "open %.1f ms, first read %.3f ms\n"
            "         on the worker thread: written in %.1f ms, changed in %.1f ms, flag in "
            "%.1f ms\n"
            "         memory beyond the note itself: %ld KB at most\n",
            megabytes, write, again, place, flag, read, open, first, written, rewritten, flagged,
            peak);
    }
    return 0;
}
