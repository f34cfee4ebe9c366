// SPDX-License-Identifier: MIT
// Times the store calls the program makes on its user-interface thread:
// the position write made on every mouse move over the main window, and
// reads. Prints for each: the calls over 1 ms, the median, the 99th
// percentile and the longest; then how often the log was folded and how
// long it grew, and how soon a change another program made is read. A call
// over 1 ms is told apart by what the thread did meanwhile: taken off the
// processor by the scheduler for other programs (the machine is busy),
// waiting of its own accord (a lock, a sleep, the disk), or neither.
//
//   bench-position-write [WRITES [GAP_US]]    (default 100000 writes, one
//                                              every 100 us: 10,000 a second,
//                                              far more than a pointer makes)

#include "store/notestore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The thread's context switches so far: {taken off, of its own accord}.
std::pair<long, long> switches()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return {usage.ru_nivcsw, usage.ru_nvcsw};
}

// Times `call` (not `before`) `count` times.
void timeCalls(const char *what, int count, const std::function<void(int)> &call,
               const std::function<void(int)> &before = {}, qint64 gapNs = 0)
{
    std::vector<qint64> ns;
    ns.reserve(size_t(count));
    long preempted = 0, waited = 0;
    QElapsedTimer timer;
    for (int i = 0; i < count; ++i) {
        if (before)
            before(i);
        while (i > 0 && timer.nsecsElapsed() < gapNs) {
        }
        const auto was = switches();
        timer.start();
        call(i);
        ns.push_back(timer.nsecsElapsed());
        if (ns.back() > 1000000) {
            const auto after = switches();
            preempted += after.first > was.first;
            waited += after.first == was.first && after.second > was.second;
        }
        // Let the store's timers and the worker's notes run, as between events.
        if (i % 100 == 99)
            QCoreApplication::processEvents();
    }
    std::sort(ns.begin(), ns.end());
    const auto over = std::count_if(ns.begin(), ns.end(), [](qint64 t) { return t > 1000000; });
    auto at = [&](double q) { return double(ns[size_t(q * double(ns.size() - 1))]) / 1000.0; };
    std::printf("%-34s %7d calls, over 1 ms: %lld, p50 %6.1f us, p99 %6.1f us, max %7.1f us\n"
                "  of those over 1 ms: %ld taken off the processor, %ld waiting of their own "
                "accord, %lld with no switch the kernel saw\n",
                what, count, static_cast<long long>(over), at(0.50), at(0.99),
                double(ns.back()) / 1000.0, preempted, waited,
                static_cast<long long>(over) - preempted - waited);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int writes = argc > 1 ? std::max(100, atoi(argv[1])) : 100000;
    const qint64 gapNs = (argc > 2 ? atoi(argv[2]) : 100) * qint64(1000);
    QTemporaryDir dir;
    const QString path = dir.filePath(NoteStore::fileName);
    QString error;
    auto store = NoteStore::open(path, {{1500, 900}, QString()}, &error);
    if (!store) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    qint64 largestLog = 0;
    timeCalls(
        "position write (Left, Top)", writes,
        [&](int i) {
            store->write(
                {{fields::Left, double(1000 + i % 300)}, {fields::Top, double(600 + i % 200)}});
        },
        [&](int i) {
            if (i % 1000 == 0)
                largestLog = std::max(largestLog, QFileInfo(path + "-wal").size());
        },
        gapNs);
    while (store->isWaiting() && store->isKeeping())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    std::printf("  one every %lld us; log folded %d times on the worker thread, largest log %lld "
                "KB; all kept: %s\n",
                gapNs / 1000, store->folds(), largestLog / 1024, store->isKeeping() ? "yes" : "no");

    timeCalls("read", writes, [&](int) { store->get(fields::Left); });

    // Another program's change is seen by the worker thread and announced:
    // how long after its commit the program reads it.
    sqlite3 *other = nullptr;
    sqlite3_open(path.toUtf8().constData(), &other);
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(other, "UPDATE \"Form\" SET \"Top\" = ?", -1, &st, nullptr);
    std::vector<qint64> us;
    for (int i = 0; i < std::min(writes, 200); ++i) {
        sqlite3_bind_double(st, 1, 700 + i);
        QElapsedTimer seen;
        seen.start();
        sqlite3_step(st);
        sqlite3_reset(st);
        while (store->get(fields::Top) != 700 + i && seen.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        us.push_back(seen.nsecsElapsed() / 1000);
    }
    sqlite3_finalize(st);
    sqlite3_close(other);
    std::sort(us.begin(), us.end());
    std::printf("another program's change seen after  %5zu changes, p50 %6.1f ms, p99 %6.1f ms, "
                "max %6.1f ms\n",
                us.size(), double(us[us.size() / 2]) / 1000,
                double(us[(us.size() - 1) * 99 / 100]) / 1000, double(us.back()) / 1000);
    return 0;
}
