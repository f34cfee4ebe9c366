// SPDX-License-Identifier: MIT
#include "engine.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QPointer>
#include <QThread>

namespace {

struct Loader {
    SpeechEngine *engine = nullptr;
    QString error;
    bool loading = false;
    QList<QPair<QPointer<QObject>, SpeechEngine::Ready>> waiting;
};

Loader &loader()
{
    static Loader state;
    return state;
}

// Installed, the module lies in the program's library folder; in the
// build tree, beside the program.
QStringList places()
{
    const QString here = QCoreApplication::applicationDirPath();
    return {here + QStringLiteral("/" QUORNEL_ENGINE_FROM_PROGRAM "/quornel-voice"),
            here + QStringLiteral("/quornel-voice")};
}

} // namespace

void SpeechEngine::provide(SpeechEngine *engine)
{
    loader().engine = engine;
}

void SpeechEngine::load(QObject *context, Ready ready)
{
    Loader &state = loader();
    if (state.engine || !state.error.isEmpty()) {
        ready(state.engine, state.error);
        return;
    }
    state.waiting.append({context, std::move(ready)});
    if (state.loading)
        return;
    state.loading = true;
    // Mapping the synthesiser and the audio libraries takes tens of
    // milliseconds: not on the thread that paints the character.
    auto *library = new QLibrary; // stays loaded for the program's life
    QThread *thread = QThread::create([library] {
        for (const QString &place : places()) {
            library->setFileName(place);
            if (library->load())
                return;
        }
    });
    QObject::connect(thread, &QThread::finished, qApp, [thread, library] {
        thread->deleteLater();
        Loader &state = loader();
        state.loading = false;
        const auto create =
            library->isLoaded()
                ? reinterpret_cast<CreateSpeechEngine>(library->resolve(createSpeechEngineSymbol))
                : nullptr;
        if (create)
            state.engine = create();
        else
            state.error = QStringLiteral("the speech module could not be loaded (%1)")
                              .arg(library->errorString());
        const auto waiting = std::move(state.waiting);
        for (const auto &w : waiting) {
            if (w.first)
                w.second(state.engine, state.error);
        }
    });
    thread->start();
}
