// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form.h"
#include "platform/transwindow.h"
#include "store/datasource.h"

#include <optional>

class Forms;
class Label;
class QAction;
class QLineEdit;
class QMenu;
class QSystemTrayIcon;
class QTimer;
class SpeechAgent;

// The main note window: the mascot picture with the note, the clock and
// the popup menu, and the program's hidden working parts.
class Form1 : public Form {
    Q_OBJECT

public:
    explicit Form1(Forms &forms);

    // The settings group of start-up (the load group ran when the window
    // was loaded); then the window shows unless it starts hidden.
    void start();

    // What the other windows ask of the main window.
    bool hasLoadedCharacter() const;
    // Another start of the program on this store asks for the window.
    void bringForward();
    void keepOnScreen() override;

    static constexpr int fullHeight = 2670;

protected:
    void onLoad() override;
    void onUnload() override;
    void keyPressEvent(QKeyEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void connectHandlers();

    // Start-up.
    void Form1_Form_Load();
    void Form1_Form_Initialize();

    // Handlers.
    void Form1_Timer1_Timer();
    void Form1_Clock_Click();
    void Form1_Form_MouseMove();
    void Form1_Label1_Click();
    void Form1_Form_Click();
    void Form1_Label3_Click();
    void Form1_AlSettings_Click();
    void Form1_SpeechSet_Click();
    void Form1_Trans_Click();
    void Form1_Read_Click();
    void Form1_Hide_Click();
    void Form1_SystemTray_Click();
    void Form1_Exit_Click();
    void Form1_Form_Unload();
    void Form1_Open1_Timer();

    // The four animation loops that hiding, showing and closing play.
    void rollUpLoop();
    void rollDownLoop();
    void fadeOutLoop();
    void fadeInLoop();

    void readAloud();
    void keepReadingChoices();
    void toCharacter(int key);
    void applyTextColor(const QColor &c);
    void showNote(const QString &note);
    void setIcon();
    QString loadFlag() const;
    void setLoadFlag(const QString &text);
    void scheduleClock();
    void trayChanged(bool available);
    void showKeeping(bool keeping);
    void storeUserPlace();
    // The level the window rests at once an animation is over or skipped.
    qint16 restingLevel() const;
    // Adds to a counter kept as decimal text in a hidden label's caption.
    static int addToCaption(Label *label, int amount);

    Forms &m_forms;
    bool m_startHidden = false;
    // Where the window was put because its stored place lies off every
    // screen; the stored place stays until the user moves the window.
    std::optional<QPoint> m_keptOnScreenAt;
    // A move the user made is stored a moment later: a drag writes a few
    // places, not one a pixel.
    QTimer *m_userMoved;
    Label *m_notKept; // shown while changes are not being kept

    // Controls.
    Label *Picture; // the window's background
    Label *Label1;  // the note
    Label *Label2;  // the clock
    Label *Label3;  // click area for the popup menu
    Label *lblTransNumber;
    Label *lblCount;
    QLineEdit *Text1 = nullptr; // whether the speech character is still to be loaded
    DataSource FormData;
    QTimer *Open1;
    QTimer *Timer1;
    QSystemTrayIcon *SystemTray;
    TransWindow TransWindow1;
    SpeechAgent &Agent1;

    // The popup menu.
    QMenu *File;
    QMenu *Settings;
    QAction *AlSettings;
    QAction *SpeechSet;
    QAction *Trans;
    QAction *Seperator;
    QAction *Clock;
    QAction *Read;
    QAction *Hide;
    QAction *Exit;
};
