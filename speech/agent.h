// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The speech-agent control the main window carries: it loads a character
// from a character file under an id, finds it again by that id in any
// letter case, shows it and has it speak. Show and Speak return at once;
// requests queue behind one another.
class AgentCharacter {
public:
    virtual ~AgentCharacter() = default;
    virtual void Show() = 0;
    virtual void Speak(const QString &text) = 0;
};

class AgentCharacters {
public:
    virtual ~AgentCharacters() = default;
    // Loads the character file named by `loadKey` under `characterId`. A
    // file that cannot be loaded is reported to the user, naming the file
    // and the reason; no character is then loaded under that id.
    virtual void Load(const QString &characterId, const QString &loadKey) = 0;
    // The character loaded under `characterId`, letter case ignored, or
    // null when none is.
    virtual AgentCharacter *Character(const QString &characterId) = 0;
};

class SpeechAgent {
public:
    virtual ~SpeechAgent() = default;
    virtual AgentCharacters &Characters() = 0;
};
