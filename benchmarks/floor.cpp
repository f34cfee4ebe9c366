// SPDX-License-Identifier: MIT
// The floor: a bare Qt window of the main window's size showing the same
// clock, refreshed at each second boundary. The widget's figures at rest
// are measured beside this program's.

#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel clock;
    clock.setWindowFlags(Qt::Tool);
    clock.setWindowTitle(QStringLiteral("Floor"));
    clock.setFixedSize(213, 156);
    clock.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QTimer tick;
    tick.setSingleShot(true);
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &clock, [&] {
        clock.setText(QTime::currentTime().toString(QStringLiteral("h:mm:ss AP")));
        tick.start(1000 - QTime::currentTime().msec() + 1);
    });
    tick.start(0);
    clock.show();
    return app.exec();
}
