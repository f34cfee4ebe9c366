// SPDX-License-Identifier: MIT
#include "desktopagent.h"

#include "characterfile.h"
#include "characterpaths.h"
#include "desktopcharacter.h"

#include "platform/prompts.h"

#include <QGuiApplication>
#include <QTimer>

DesktopAgent::DesktopAgent(Prompts &prompts, QObject *parent) : QObject(parent), m_prompts(prompts)
{}

DesktopAgent::~DesktopAgent() = default;

int DesktopAgent::indexOf(const QString &characterId) const
{
    for (size_t i = 0; i < m_characters.size(); ++i) {
        if (m_characters[i].id.compare(characterId, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

void DesktopAgent::Load(const QString &characterId, const QString &loadKey)
{
    // A new load under a taken id replaces the character there, or leaves
    // none when the new file cannot be used.
    if (const int old = indexOf(characterId); old >= 0)
        m_characters.erase(m_characters.begin() + old);

    QString error;
    // Pictures drawn for the screen's pixel density, where the file has them.
    std::optional<CharacterData> data =
        characterfile::load(findCharacter(loadKey), &error, qApp->devicePixelRatio());
    if (!data) {
        m_prompts.message(tr("The speech character could not be loaded.\n\n%1").arg(error));
        return;
    }
    auto character = std::make_unique<DesktopCharacter>(*data);
    character->setChoices(m_choices);
    // Chosen in one character's menu: every character reads so, and the
    // program keeps it.
    connect(character.get(), &DesktopCharacter::choicesMade, this,
            [this](const ReadingChoices &choices) {
                setChoices(choices);
                if (m_keeper && m_keep)
                    m_keep(choices);
            });
    connect(character.get(), &DesktopCharacter::voiceFailed, this, [this](const QString &reason) {
        if (m_voiceFailureReported)
            return;
        m_voiceFailureReported = true;
        // Not from inside the character's own handler: the message
        // box runs an event loop of its own.
        QTimer::singleShot(0, this, [this, reason] {
            m_prompts.message(tr("The character cannot speak aloud: %1. Its words are "
                                 "shown in its speech balloon only.")
                                  .arg(reason));
        });
    });
    m_characters.push_back({characterId, std::move(character)});
}

void DesktopAgent::setChoices(const ReadingChoices &choices)
{
    m_choices = choices;
    for (const Entry &entry : m_characters)
        entry.character->setChoices(choices);
}

void DesktopAgent::keepChoicesWith(QObject *context,
                                   std::function<void(const ReadingChoices &)> keep)
{
    m_keeper = context;
    m_keep = std::move(keep);
}

AgentCharacter *DesktopAgent::Character(const QString &characterId)
{
    return character(characterId);
}

DesktopCharacter *DesktopAgent::character(const QString &characterId) const
{
    const int i = indexOf(characterId);
    return i < 0 ? nullptr : m_characters[size_t(i)].character.get();
}
