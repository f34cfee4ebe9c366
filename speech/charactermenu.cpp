// SPDX-License-Identifier: MIT
#include "charactermenu.h"

#include "voicelanguages.h"

#include <QActionGroup>
#include <QLocale>

namespace {

template <class T> T *named(T *object, const char *name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

} // namespace

CharacterMenu::CharacterMenu(QWidget *parent) : QMenu(parent) {}

void CharacterMenu::addReadingItems()
{
    addSeparator();
    m_stop = named(addAction(tr("Stop")), "Stop");
    m_pause = named(addAction(tr("Pause")), "Pause");
    m_resume = named(addAction(tr("Resume")), "Resume");
    addSeparator();
    m_language = named(addMenu(tr("Language")), "Language");
    m_speed = named(addMenu(tr("Speed")), "Speed");
    m_stay = named(addAction(tr("Stay on the Desktop")), "Stay");
    m_stay->setCheckable(true);

    m_languages = new QActionGroup(this);
    m_speeds = new QActionGroup(this);
    for (int speed : speeds) {
        QAction *item = m_speed->addAction(
            tr("%1%", "a reading speed, in percent of the character's own").arg(speed));
        item->setCheckable(true);
        item->setData(speed);
        m_speeds->addAction(item);
    }
    // Made when first opened: reading the languages of the voice's data is
    // not worth it for a menu most users never open.
    connect(m_language, &QMenu::aboutToShow, this, &CharacterMenu::fillLanguages);

    connect(m_stop, &QAction::triggered, this, &CharacterMenu::stopChosen);
    connect(m_pause, &QAction::triggered, this, &CharacterMenu::pauseChosen);
    connect(m_resume, &QAction::triggered, this, &CharacterMenu::resumeChosen);
    connect(m_languages, &QActionGroup::triggered, this, [this](QAction *item) {
        ReadingChoices choices = m_choices;
        choices.language = item->data().toString();
        choose(choices);
    });
    connect(m_speeds, &QActionGroup::triggered, this, [this](QAction *item) {
        ReadingChoices choices = m_choices;
        choices.speed = item->data().toInt();
        choose(choices);
    });
    connect(m_stay, &QAction::triggered, this, [this](bool stays) {
        ReadingChoices choices = m_choices;
        choices.stays = stays;
        choose(choices);
    });
    checkChoices();
    showReading(false, false, false);
}

void CharacterMenu::fillLanguages()
{
    if (!m_language->isEmpty())
        return;
    QAction *same = named(m_language->addAction(tr("Same as the Interface")), "SameAsInterface");
    same->setData(QString());
    same->setCheckable(true);
    m_languages->addAction(same);
    m_language->addSeparator();
    for (const VoiceLanguage &language : voicelanguages::installed()) {
        QAction *item = m_language->addAction(language.name);
        item->setData(language.tag);
        item->setCheckable(true);
        m_languages->addAction(item);
    }
    checkChoices();
}

void CharacterMenu::showChoices(const ReadingChoices &choices)
{
    m_choices = choices;
    checkChoices();
}

// The marks show the choices as they are kept, whatever was clicked.
void CharacterMenu::checkChoices()
{
    if (!m_stay)
        return;
    m_stay->setChecked(m_choices.stays);
    for (QActionGroup *group : {m_speeds, m_languages}) {
        const QVariant chosen =
            group == m_speeds ? QVariant(m_choices.speed) : QVariant(m_choices.language);
        QAction *checked = nullptr;
        const QList<QAction *> items = group->actions();
        for (QAction *item : items) {
            if (item->data() == chosen)
                checked = item;
        }
        if (checked)
            checked->setChecked(true);
        else if (group->checkedAction())
            group->checkedAction()->setChecked(false);
    }
}

void CharacterMenu::choose(const ReadingChoices &choices)
{
    if (!(choices == m_choices))
        emit choicesMade(choices);
    checkChoices();
}

void CharacterMenu::showReading(bool underWay, bool speaking, bool paused)
{
    if (!m_stop)
        return;
    m_stop->setEnabled(underWay);
    m_pause->setVisible(!paused);
    m_pause->setEnabled(speaking);
    m_resume->setVisible(paused);
}
