// SPDX-License-Identifier: MIT
// The main window's opening animation and the four loops that hiding,
// showing and closing play. Every step is painted and flushed to the
// display before the next, so the user sees each one; the loops run to
// their end inside the handler that starts them.

#include "form1.h"

#include "forms/form5.h"
#include "forms/forms.h"
#include "platform/display.h"
#include "platform/label.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

namespace {

constexpr int rollTickGrowth = 20;
constexpr int rollEnd = 2280;
constexpr int rollStep = 10;
constexpr int levelStep = 15;
constexpr int opaque = 255;
constexpr int fadeEnd = 17;

// The loops' beat: 267 roll steps take about half a second, 17 fade steps
// about a quarter.
constexpr qint64 rollBeatUs = 500000 / 267;
constexpr qint64 fadeBeatUs = 250000 / 17;
// The window manager needs a moment after each step to show it.
constexpr qint64 leastPauseUs = 400;

// Keeps a loop's steps on a steady beat: each step waits for its moment,
// so the work of the steps does not add to the loop's length, and a loop
// that fell behind catches up.
class Beat {
public:
    explicit Beat(qint64 beatUs) : m_beatUs(beatUs) { m_clock.start(); }

    void next()
    {
        m_dueUs += m_beatUs;
        const qint64 nowUs = m_clock.nsecsElapsed() / 1000;
        QThread::usleep(static_cast<unsigned long>(qMax(leastPauseUs, m_dueUs - nowUs)));
    }

private:
    QElapsedTimer m_clock;
    qint64 m_beatUs;
    qint64 m_dueUs = 0;
};

} // namespace

void Form1::Form1_Open1_Timer()
{
    if (!FormData.get(fields::TransEnabled)) {
        setOuterHeightTwips(qMin(outerHeightTwips() + rollTickGrowth, double(fullHeight)));
        const int count = addToCaption(lblCount, rollTickGrowth);
        if (count >= rollEnd) {
            // The roll ends at the full height, whatever the frame's size. A
            // counter that passed its end (transparency switched off while
            // the window faded in) also leaves the fade's level behind.
            setOuterHeightTwips(fullHeight);
            if (count > rollEnd)
                TransWindow1.SetLevel(restingLevel());
            Open1->stop();
        }
        display::flush();
    }
    if (FormData.get(fields::TransEnabled)) {
        if (lblTransNumber->caption().toInt() != opaque) {
            setOuterHeightTwips(fullHeight);
            TransWindow1.SetLevel(qint16(addToCaption(lblTransNumber, levelStep)));
            addToCaption(lblCount, 1);
        }
        const int count = lblCount->caption().toInt();
        // A counter that passed its end (transparency switched while the
        // window opened) ends the animation all the same, and so does a
        // level that reached the top before the counter did (a show from
        // the tray faded the window in meanwhile): the counter would never
        // move again.
        if (count >= fadeEnd || lblTransNumber->caption().toInt() == opaque) {
            setOuterHeightTwips(fullHeight);
            TransWindow1.SetLevel(restingLevel());
            Open1->stop();
        }
    }
}

void Form1::rollUpLoop()
{
    Form5 *holder = m_forms.form5.get();
    Beat beat(rollBeatUs);
    while (holder->holder() != 0) {
        holder->setHolder(holder->holder() - rollStep);
        display::paintNow(this);
        beat.next();
    }
}

void Form1::rollDownLoop()
{
    Form5 *holder = m_forms.form5.get();
    setOuterHeightTwips(0);
    // Starting from an empty holder, the loop ends at its maximum even when
    // the height read back cannot meet the full height exactly.
    holder->setHolder(0);
    Beat beat(rollBeatUs);
    while (outerHeightTwips() != fullHeight && holder->holder() < holder->holderMaximum()) {
        holder->setHolder(holder->holder() + rollStep);
        display::paintNow(this);
        beat.next();
    }
    setOuterHeightTwips(fullHeight);
    display::paintNow(this);
}

void Form1::fadeOutLoop()
{
    Beat beat(fadeBeatUs);
    while (lblTransNumber->caption().toInt() != 0) {
        const int level = qMax(0, lblTransNumber->caption().toInt() - levelStep);
        lblTransNumber->setCaption(QString::number(level));
        TransWindow1.SetLevel(qint16(level));
        display::paintNow(this);
        beat.next();
    }
}

void Form1::fadeInLoop()
{
    TransWindow1.SetLevel(0);
    lblTransNumber->setCaption(QStringLiteral("0"));
    Beat beat(fadeBeatUs);
    while (lblTransNumber->caption().toInt() != opaque) {
        const int level = qMin(opaque, lblTransNumber->caption().toInt() + levelStep);
        lblTransNumber->setCaption(QString::number(level));
        TransWindow1.SetLevel(qint16(level));
        display::paintNow(this);
        beat.next();
    }
    TransWindow1.SetLevel(qint16(FormData.get(fields::TransLevel)));
}
