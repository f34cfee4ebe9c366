#include "mainwindow/forms.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "speech/agent.h"
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
    return {twips::fromPx(area.right() + 1 - outerWidth - margin), twips::fromPx(area.top() + margin)};
}

class UnavailableAgent final : public SpeechAgent, AgentCharacters {
public:
    explicit UnavailableAgent(Prompts &prompts) : m_prompts(prompts) {}
    AgentCharacters &Characters() override { return *this; }
    void Load(const QString &, const QString &path) override
    {
        m_prompts.message(QStringLiteral("The speech character \"%1\" cannot be loaded: speech is not available.").arg(path));
    }
    AgentCharacter *Character(const QString &) override { return nullptr; }

private:
    Prompts &m_prompts;
};

}  // namespace

int main(int argc, char **argv)
{
    // Wayland gives no client a position or opacity of its own window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(programTitle));
    QApplication::setQuitOnLastWindowClosed(false);

    Prompts prompts;
    const fields::Defaults defaults{defaultPosition(), QString()};
    QString error;
    std::unique_ptr<NoteStore> store =
        NoteStore::open(QDir::current().filePath(NoteStore::fileName), defaults, &error);
    if (!store) {
        prompts.message(error);
        return 1;
    }
    // Reported once the handler that failed to write has ended.
    store->setWriteFailureHandler([&prompts, &app](const QString &message) {
        QTimer::singleShot(0, &app, [&prompts, message] { prompts.message(message); });
    });

    UnavailableAgent agent(prompts);
    Forms forms(*store, prompts, agent);
    forms.setOnLastUnloaded([] { QCoreApplication::quit(); });
    forms.start();
    return app.exec();
}
