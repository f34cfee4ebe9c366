// SPDX-License-Identifier: MIT
#include "allocator.h"
#include "onecopy.h"
#include "waysout.h"

#include "forms/form1.h"
#include "forms/forms.h"
#include "platform/accessibility.h"
#include "platform/autostart.h"
#include "platform/display.h"
#include "platform/folders.h"
#include "platform/languages.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "speech/characterpaths.h"
#include "speech/desktopagent.h"
#include "speech/speakerengine.h"
#include "store/notestore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

// The texts of the program itself, for the translators.
struct Program {
    Q_DECLARE_TR_FUNCTIONS(Program)
};

void complain(const QString &what)
{
    std::fprintf(stderr, "quornel-desktop-notes: %s\n", qPrintable(what));
}

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

struct Options {
    QString store; // empty: the working folder's
    bool user = false;
};

// The options that start this copy's store from anywhere: the autostart
// entry's.
QStringList storeArguments(const Options &options)
{
    if (options.user)
        return {QStringLiteral("--user")};
    return {QStringLiteral("--store"),
            QDir::cleanPath(QDir::current().absoluteFilePath(
                options.store.isEmpty() ? NoteStore::fileName : options.store))};
}

// Read before the program touches the display, so that --help and
// --version work without one.
Options readCommandLine(int argc, char **argv)
{
    if (argc < 2)
        return {}; // nothing to read: the usual start pays for no parser
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quornel-desktop-notes"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORNEL_VERSION));
    languages::install();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Program::tr("A note on the desktop, with a clock and a mascot who reads it aloud.\n"
                    "Without an option the note store is \"%1\" in the working folder.")
            .arg(NoteStore::fileName));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption store(QStringLiteral("store"),
                                   Program::tr("Keep the note in the store <file>."),
                                   QStringLiteral("file"));
    const QCommandLineOption user(
        QStringLiteral("user"),
        Program::tr("Keep the note in the per-user store under $XDG_DATA_HOME."));
    const QCommandLineOption login(
        QStringLiteral("autostart"),
        Program::tr("Start the widget on the store named here (--user, --store or the working "
                    "folder's) when you log in: on or off."),
        QStringLiteral("on|off"));
    parser.addOptions({store, user, login});
    parser.process(app);
    if (parser.isSet(store) && parser.isSet(user)) {
        complain(Program::tr("--store and --user name two stores; give one"));
        std::exit(2);
    }
    Options options{parser.value(store), parser.isSet(user)};
    if (parser.isSet(login)) {
        const QString value = parser.value(login);
        QString error;
        if (value != QLatin1String("on") && value != QLatin1String("off")) {
            complain(Program::tr("--autostart takes on or off"));
            std::exit(2);
        }
        autostart::setStoreArguments(storeArguments(options));
        if (!autostart::set(value == QLatin1String("on"), &error)) {
            complain(error);
            std::exit(1);
        }
        std::exit(0);
    }
    if (!parser.positionalArguments().isEmpty()) {
        complain(Program::tr("unexpected argument '%1'; see --help")
                     .arg(parser.positionalArguments().constFirst()));
        std::exit(2);
    }
    return options;
}

// Where the note store is, or an empty string (and `error`) when its
// folder cannot be made.
QString storePath(const Options &options, QString *error)
{
    if (!options.store.isEmpty())
        return QDir::current().absoluteFilePath(options.store);
    if (!options.user)
        return QDir::current().filePath(NoteStore::fileName);
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    const QString folder = data + QStringLiteral("/quornel-desktop-notes");
    if (!folders::makePrivate(folder)) {
        *error = Program::tr("The folder \"%1\" for the note store cannot be made.").arg(folder);
        return {};
    }
    return folder + QLatin1Char('/') + NoteStore::fileName;
}

} // namespace

int main(int argc, char **argv)
{
    allocator::setPolicy();
    const Options options = readCommandLine(argc, argv);
    autostart::setStoreArguments(storeArguments(options));

    // Wayland gives no client a position or opacity of its own window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // The X server's shared memory would make each repaint wait for the
    // server to finish reading the last one: a second wakeup each time the
    // clock ticks. The windows are small enough to send as they are.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");

    if (QString why; !display::displayReachable(&why)) {
        // Said in the user's language: the catalogues need an application.
        QCoreApplication said(argc, argv);
        languages::install();
        display::displayReachable(&why);
        complain(why);
        return 1;
    }
    QApplication app(argc, argv);
    languages::install();
    QApplication::setApplicationName(QString::fromLatin1(programTitle));
    QApplication::setApplicationVersion(QStringLiteral(QUORNEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("quornel-desktop-notes"));
    QApplication::setQuitOnLastWindowClosed(false);
    accessibility::install();

    Prompts prompts;
    QString error;
    const QString path = storePath(options, &error);
    if (path.isEmpty()) {
        prompts.message(error);
        return 1;
    }
    OneCopy copy(path); // the store's real path from here on
    switch (copy.claim()) {
    case OneCopy::Outcome::HandedOver:
        return 0;
    case OneCopy::Outcome::NoAnswer:
        prompts.message(
            Program::tr("Another copy of Quornel Desktop Notes keeps its note in \"%1\" "
                        "but does not answer.")
                .arg(copy.storePath()));
        return 1;
    case OneCopy::Outcome::First:
        break;
    }
    if (!copy.notice().isEmpty())
        prompts.message(copy.notice());

    // A first note in the user's language: the note is the user's own text,
    // not a value the program reads.
    const Defaults defaults{defaultPosition(), defaultCharacterPath(),
                            QCoreApplication::translate("Form1", "Click here to rename text.")};
    std::unique_ptr<NoteStore> store = NoteStore::open(copy.storePath(), defaults, &error);
    if (!store) {
        prompts.message(error);
        return 1;
    }
    if (!store->readOnlyMessage().isEmpty())
        prompts.message(store->readOnlyMessage());
    // Reported once the handler that failed to write has ended.
    QObject::connect(
        store.get(), &NoteStore::writeFailed, &app, [&prompts, &app](const QString &message) {
            QTimer::singleShot(0, &app, [&prompts, message] { prompts.message(message); });
        });

    // The voice: a speaker process, started when a reading is likely.
    SpeakerEngine speaker;
    SpeechEngine::provide(&speaker);
    // Once it has been let go, what the readings used here goes back too.
    QObject::connect(&speaker, &SpeakerEngine::rested, &app, [] { allocator::giveBack(); });
    DesktopAgent agent(prompts);
    Forms forms(*store, prompts, agent);
    // Not quit(): that first asks every top-level window to close, and a
    // window that refuses (the speaking character stays on the desktop)
    // would keep the program running with no designed window left.
    forms.setOnLastUnloaded([] { QCoreApplication::exit(0); });
    QObject::connect(&copy, &OneCopy::cameForward, &app, [&forms] {
        if (Form1 *main = forms.form1.ifLoaded())
            main->bringForward();
    });
    // Signals and a display that goes away end the program as Exit does.
    WaysOut waysOut([&store, &copy] {
        store.reset(); // lets the writes land
        copy.release();
    });
    forms.start();
    return app.exec();
}
