// SPDX-License-Identifier: MIT
#pragma once

#include "engine.h"
#include "voice.h"

// The synthesiser and the sound device, in this process: what the speaker
// runs. Only one may exist at a time (see Voice).
class VoiceEngine : public QObject, public SpeechEngine {
public:
    VoiceEngine();

    Speech *speak(const QString &text, const CharacterVoice &voice, QObject *parent) override;
    void prepare() override;

private:
    Voice m_voice;
    bool m_askedSincePrepared = false;
};
