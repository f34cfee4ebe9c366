// SPDX-License-Identifier: MIT
#pragma once

#include "agent.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

class DesktopCharacter;
class Prompts;

// The program's speech-agent control: loads characters from "*.qchar"
// files, keeps them under ids that match in any letter case, and reports
// a file that cannot be used in a message box naming the file and why.
class DesktopAgent : public QObject, public SpeechAgent, private AgentCharacters {
    Q_OBJECT

public:
    explicit DesktopAgent(Prompts &prompts, QObject *parent = nullptr);
    ~DesktopAgent() override;

    AgentCharacters &Characters() override { return *this; }
    void setChoices(const ReadingChoices &choices) override;
    void keepChoicesWith(QObject *context,
                         std::function<void(const ReadingChoices &)> keep) override;

    // The loaded character as its own class, for tests and tools.
    DesktopCharacter *character(const QString &characterId) const;

private:
    void Load(const QString &characterId, const QString &loadKey) override;
    AgentCharacter *Character(const QString &characterId) override;

    struct Entry {
        QString id;
        std::unique_ptr<DesktopCharacter> character;
    };
    int indexOf(const QString &characterId) const;

    Prompts &m_prompts;
    std::vector<Entry> m_characters;
    ReadingChoices m_choices;
    QPointer<QObject> m_keeper;
    std::function<void(const ReadingChoices &)> m_keep;
    bool m_voiceFailureReported = false;
};
