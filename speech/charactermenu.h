// SPDX-License-Identifier: MIT
#pragma once

#include "agent.h"

#include <QMenu>

class QActionGroup;

// The character's menu: a right-click on the character opens it, and so do
// the menu key and Shift+F10 while the character has the keyboard. Besides
// putting the character away, it stops, pauses and resumes the reading and
// holds the user's choices of how the character reads.
class CharacterMenu : public QMenu {
    Q_OBJECT

public:
    explicit CharacterMenu(QWidget *parent);

    // Adds the reading's items below those already there.
    void addReadingItems();

    // The choices shown checked.
    void showChoices(const ReadingChoices &choices);
    // What there is to stop, pause or resume.
    void showReading(bool underWay, bool speaking, bool paused);

    // The speeds offered, in percent of the character's own rate.
    static constexpr int speeds[] = {50, 75, 100, 125, 150, 200};

signals:
    void stopChosen();
    void pauseChosen();
    void resumeChosen();
    // The user changed a choice; all of them as they are now.
    void choicesMade(const ReadingChoices &choices);

private:
    void fillLanguages();
    void checkChoices();
    void choose(const ReadingChoices &choices);

    ReadingChoices m_choices;
    QAction *m_stop = nullptr;
    QAction *m_pause = nullptr;
    QAction *m_resume = nullptr;
    QAction *m_stay = nullptr;
    QMenu *m_language = nullptr;
    QMenu *m_speed = nullptr;
    QActionGroup *m_languages = nullptr;
    QActionGroup *m_speeds = nullptr;
};
