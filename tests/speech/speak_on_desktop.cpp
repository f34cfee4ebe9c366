// Shows a character on the desktop and has it say one text, as the main
// window does; used by the end-to-end speech test. Prints what happens:
//   started <audible 0|1> <duration ms>
//   word <word>
//   finished
// and exits 0 once the character has spoken, 1 on any message box; with a
// third argument "stay" it stays until it is ended.

#include "platform/prompts.h"
#include "speech/characterpaths.h"
#include "speech/desktopagent.h"
#include "speech/desktopcharacter.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

class PrintingPrompts : public Prompts {
public:
    void message(const QString &text) override
    {
        std::fprintf(stdout, "message %s\n", qPrintable(QString(text).replace('\n', ' ')));
        std::fflush(stdout);
        ++count;
    }
    int count = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString file = args.value(1).isEmpty() ? defaultCharacterPath() : args.at(1);
    const QString text = args.value(2, QStringLiteral("You have the following notes: "
                                                      "Click here to rename text."));
    PrintingPrompts prompts;
    DesktopAgent agent(prompts);
    SpeechAgent &control = agent;
    control.Characters().Load(QStringLiteral("my Character"), file);
    AgentCharacter *character = control.Characters().Character(QStringLiteral("my character"));
    if (!character)
        return 1;
    auto *desktop = agent.character(QStringLiteral("my character"));
    QObject::connect(desktop, &DesktopCharacter::speakingStarted, &app,
                     [](const QString &, bool audible, int durationMs) {
                         std::printf("started %d %d\n", audible ? 1 : 0, durationMs);
                         std::fflush(stdout);
                     });
    QObject::connect(desktop, &DesktopCharacter::wordSpoken, &app, [](const QString &word) {
        std::printf("word %s\n", qPrintable(word));
        std::fflush(stdout);
    });
    const bool stay = args.value(3) == QLatin1String("stay");
    QObject::connect(desktop, &DesktopCharacter::idle, &app, [&app, &prompts, stay] {
        std::printf("finished\n");
        std::fflush(stdout);
        if (stay)
            return;
        // Stay a moment so that the end of the speech is heard and seen.
        QTimer::singleShot(500, &app, [&app, &prompts] { app.exit(prompts.count ? 1 : 0); });
    });
    character->Show();
    character->Speak(text);
    return app.exec();
}
