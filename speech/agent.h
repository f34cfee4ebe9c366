// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QObject;

// The speech-agent control the main window carries: it loads a character
// from a character file under an id, finds it again by that id in any
// letter case, shows it and has it speak. Show and Speak return at once;
// requests queue behind one another.
class AgentCharacter {
public:
    virtual ~AgentCharacter() = default;
    virtual void Show() = 0;
    virtual void Speak(const QString &text) = 0;
    // Ends the reading under way and drops those queued behind it.
    virtual void Stop() = 0;
    // Gives the character on the desktop the keyboard, where its menu opens
    // with the menu key and Shift+F10.
    virtual void Activate() = 0;
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

// How the user wants the characters to read, chosen in a character's menu
// and kept by the program.
struct ReadingChoices {
    QString language;  // a language tag of the voice's data; empty: the interface's
    int speed = 100;   // percent of the character's own rate, 50 to 200
    bool stays = true; // the character stays on the desktop after a reading

    bool operator==(const ReadingChoices &o) const
    {
        return language == o.language && speed == o.speed && stays == o.stays;
    }
};

class SpeechAgent {
public:
    virtual ~SpeechAgent() = default;
    virtual AgentCharacters &Characters() = 0;

    // The choices every character reads by, from the next word on.
    virtual void setChoices(const ReadingChoices &choices) = 0;
    // `keep` is given the choices whenever the user changes them in a
    // character's menu (which applies them at once), while `context` lives.
    virtual void keepChoicesWith(QObject *context,
                                 std::function<void(const ReadingChoices &)> keep) = 0;
};
