// SPDX-License-Identifier: MIT
// The module the program loads on its first reading: the synthesiser and
// the sound device, behind the engine's interface.

#include "engine.h"
#include "playedspeech.h"
#include "voice.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>

namespace {

class VoiceEngine : public QObject, public SpeechEngine {
public:
    VoiceEngine() : m_voice(this) {}

    Speech *speak(const QString &text, const CharacterVoice &voice, QObject *parent) override
    {
        m_askedSincePrepared = true;
        auto *speech = new PlayedSpeech(text, parent);
        m_voice.synthesize(text, voice, speech, [speech](const VoicePiece &p) { speech->add(p); });
        return speech;
    }

    // The synthesiser starts on its thread while this one reaches the
    // sound server; then the sound device opens at the voice's rate, for
    // the next speech to take, unless one was asked for meanwhile and has
    // opened its own.
    void prepare() override
    {
        m_askedSincePrepared = false;
        m_voice.prepare(this, [this](int sampleRate) {
            if (!m_askedSincePrepared)
                PlayedSpeech::openDeviceAhead(sampleRate, this);
        });
        QMediaDevices::defaultAudioOutput();
    }

private:
    Voice m_voice;
    bool m_askedSincePrepared = false;
};

VoiceEngine *theEngine = nullptr;

// The voice's thread ends while the application is still whole.
void endEngine()
{
    delete theEngine;
    theEngine = nullptr;
}

} // namespace

extern "C" Q_DECL_EXPORT SpeechEngine *quornel_create_speech_engine()
{
    if (!theEngine) {
        theEngine = new VoiceEngine;
        qAddPostRoutine(endEngine);
    }
    return theEngine;
}
