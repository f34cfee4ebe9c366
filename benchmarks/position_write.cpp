// Times one position write, the store update made on every mouse move
// over the main window, and prints the median and the 99th percentile.

#include "store/notestore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int writes = argc > 1 ? std::max(100, atoi(argv[1])) : 10000;
    QTemporaryDir dir;
    QString error;
    auto store =
        NoteStore::open(dir.filePath(NoteStore::fileName), {{1500, 900}, QString()}, &error);
    if (!store) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::vector<qint64> ns;
    ns.reserve(size_t(writes));
    QElapsedTimer timer;
    for (int i = 0; i < writes; ++i) {
        timer.start();
        store->write(
            {{fields::Left, double(1000 + i % 300)}, {fields::Top, double(600 + i % 200)}});
        ns.push_back(timer.nsecsElapsed());
    }
    std::sort(ns.begin(), ns.end());
    auto at = [&](double q) { return double(ns[size_t(q * double(ns.size() - 1))]) / 1000.0; };
    std::printf("position write over %d writes: p50 %.1f us, p99 %.1f us, max %.1f us\n", writes,
                at(0.50), at(0.99), double(ns.back()) / 1000.0);
    return 0;
}
