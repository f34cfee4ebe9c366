#include "forms/forms.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "speech/characterpaths.h"
#include "speech/desktopagent.h"
#include "store/notestore.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>

namespace {

// A fresh store places the window at the top right of the screen.
QPointF defaultPosition()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int margin = 16;
    const int outerWidth = twips::toPx(3195) + 2;
    return {twips::fromPx(area.right() + 1 - outerWidth - margin),
            twips::fromPx(area.top() + margin)};
}

} // namespace

int main(int argc, char **argv)
{
    // Wayland gives no client a position or opacity of its own window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(programTitle));
    QApplication::setQuitOnLastWindowClosed(false);

    Prompts prompts;
    const Defaults defaults{defaultPosition(), defaultCharacterPath()};
    QString error;
    std::unique_ptr<NoteStore> store =
        NoteStore::open(QDir::current().filePath(NoteStore::fileName), defaults, &error);
    if (!store) {
        prompts.message(error);
        return 1;
    }
    // Reported once the handler that failed to write has ended.
    QObject::connect(
        store.get(), &NoteStore::writeFailed, &app, [&prompts, &app](const QString &message) {
            QTimer::singleShot(0, &app, [&prompts, message] { prompts.message(message); });
        });

    DesktopAgent agent(prompts);
    Forms forms(*store, prompts, agent);
    // Not quit(): that first asks every top-level window to close, and a
    // window that refuses (the speaking character stays on the desktop)
    // would keep the program running with no designed window left.
    forms.setOnLastUnloaded([] { QCoreApplication::exit(0); });
    forms.start();
    return app.exec();
}
