#pragma once

#include "platform/form.h"
#include "platform/label.h"
#include "platform/transwindow.h"
#include "platform/trayicon.h"
#include "store/datasource.h"

#include <QLineEdit>
#include <QPixmap>
#include <QTimer>

class Forms;
class QAction;
class QMenu;
class SpeechAgent;

// The main note window: the mascot picture with the note, the clock and
// the popup menu, and the program's hidden working parts.
class Form1 : public Form {
    Q_OBJECT

public:
    explicit Form1(Forms &forms);

    // Start-up: the load group runs when the window is loaded; the
    // settings group follows; then the window shows unless it was hidden.
    void Form1_Form_Initialize();
    void showAfterStartUp();

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
    void Form1_Open1_Timer();

    // The four animation loops that hiding, showing and closing play.
    void rollUpLoop();
    void rollDownLoop();
    void fadeOutLoop();
    void fadeInLoop();

    // Controls.
    Label *Label1; // the note
    Label *Label2; // the clock
    Label *Label3; // click area for the popup menu
    Label *lblTransNumber;
    Label *lblCount;
    QLineEdit *Text1; // whether the speech character is still to be loaded
    DataSource FormData;
    QTimer *Open1;
    QTimer *Timer1;
    TrayIcon *SystemTray;
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

    static constexpr int fullHeight = 2670;

protected:
    void onLoad() override;
    void onUnload() override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void Form1_Form_Load();
    void Form1_Form_Unload();
    void buildMenu();
    void readAloud();
    void scheduleClock();
    // The level the window rests at once an animation is over or skipped.
    qint16 restingLevel() const;
    // Adds to a counter kept as decimal text in a hidden label's caption.
    static int addToCaption(Label *label, int amount);

    Forms &m_forms;
    QPixmap m_picture;
    bool m_startHidden = false;
    bool m_pressed = false;
};
