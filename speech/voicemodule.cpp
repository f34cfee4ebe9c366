// SPDX-License-Identifier: MIT
// The module the program loads on its first reading: the synthesiser and
// the sound device, behind the engine's interface.

#include "engine.h"
#include "playedspeech.h"
#include "voice.h"

#include <QCoreApplication>

namespace {

class VoiceEngine : public QObject, public SpeechEngine {
public:
    VoiceEngine() : m_voice(this) {}

    Speech *speak(const QString &text, const CharacterVoice &voice, QObject *parent) override
    {
        auto *speech = new PlayedSpeech(text, parent);
        m_voice.synthesize(text, voice, speech, [speech](const VoicePiece &p) { speech->add(p); });
        return speech;
    }

private:
    Voice m_voice;
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
