// SPDX-License-Identifier: MIT
#include "voiceengine.h"

#include "playedspeech.h"

#include <QAudioDevice>
#include <QMediaDevices>

VoiceEngine::VoiceEngine() : m_voice(this) {}

Speech *VoiceEngine::speak(const QString &text, const CharacterVoice &voice, QObject *parent)
{
    m_askedSincePrepared = true;
    auto *speech = new PlayedSpeech(text, parent);
    m_voice.synthesize(text, voice, speech, [speech](const VoicePiece &p) { speech->add(p); });
    return speech;
}

// The synthesiser starts on its thread while this one reaches the sound
// server; then the sound device opens at the voice's rate, for the next
// speech to take, unless one was asked for meanwhile and has opened its own.
void VoiceEngine::prepare()
{
    m_askedSincePrepared = false;
    m_voice.prepare(this, [this](int sampleRate) {
        if (!m_askedSincePrepared)
            PlayedSpeech::openDeviceAhead(sampleRate, this);
    });
    QMediaDevices::defaultAudioOutput();
}
