// SPDX-License-Identifier: MIT
#include "form1.h"

#include "forms/form2.h"
#include "forms/form3.h"
#include "forms/form4.h"
#include "forms/form5.h"
#include "forms/form6.h"
#include "forms/forms.h"
#include "platform/autostart.h"
#include "platform/color.h"
#include "platform/display.h"
#include "platform/label.h"
#include "platform/placement.h"
#include "platform/prompts.h"
#include "platform/timeformat.h"
#include "platform/twips.h"
#include "speech/agent.h"
#include "speech/engine.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTime>
#include <QTimer>

namespace {

// The note label lays out no more than a window of text could ever show.
constexpr int shownNoteCharacters = 4096;

QIcon programIcon()
{
    QIcon icon;
    // Sizes for the notification area and the window list; larger ones come
    // from the installed icon theme, through the desktop entry's name.
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(Form::picture(QStringLiteral(":/icon-%1.png").arg(size)));
    return icon;
}

template <class T> T *named(T *object, const char *name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

} // namespace

Form1::Form1(Forms &forms)
    : Form(QStringLiteral("Quornel Desktop Notes"), 3195, 2340), m_forms(forms),
      FormData(forms.store(), Table::Form), TransWindow1(this), Agent1(forms.agent())
{
    becomeMainWindow();
    keepDesignedLayout();
    buildControls();
    buildMenu();
    connectHandlers();
}

void Form1::buildControls()
{
    // The window takes the keyboard: the menu key, Shift+F10 and F2.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Quornel Desktop Notes"));
    setAccessibleRole(QAccessible::Window);

    Picture = named(new Label(QString(), this), "Picture");
    Picture->setGeometry(rect());
    // The picture keeps its drawn place in every language.
    Picture->setAlignment(Qt::AlignLeft | Qt::AlignTop | Qt::AlignAbsolute);
    Picture->setPixmap(picture(QStringLiteral(":/mascot.png"), devicePixelRatioF()));
    Picture->setAccessibleName(QStringLiteral("Quornel"));
    Picture->setAccessibleDescription(
        tr("Click for the menu, or press the menu key or Shift+F10."));

    Label1 = named(new Label(QString(), this), "Label1");
    place(Label1, 1200, 120, 1935, 1815);
    Label1->setToolTip(tr("Click here to rename your text."));
    Label1->setFont(noteFont());
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setShownLength(shownNoteCharacters);
    Label1->setCaption(tr("Click here to rename text."));
    Label1->setAccessibleName(tr("Note"));
    Label1->setAccessibleDescription(tr("Click or press F2 to change the note."));

    Label2 = named(new Label(QString(), this), "Label2");
    place(Label2, 120, 120, 855, 375);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // Every locale's time fits, in a smaller face where it must.
    Label2->setShrinkToFit(5);
    Label2->setAccessibleName(tr("Clock"));

    Label3 = named(new Label(QString(), this), "Label3");
    place(Label3, 0, 960, 1215, 1455);
    Label3->setToolTip(tr("Left click Quornel or below the clock  for Popup Menu."));
    Label3->setAccessibleName(tr("Menu"));

    // Shown while the changes made are not being kept in the store.
    m_notKept = named(new Label(QStringLiteral("!"), this), "NotKept");
    m_notKept->setGeometry(width() - 18, height() - 18, 16, 16);
    m_notKept->setAlignment(Qt::AlignCenter);
    m_notKept->setAccessibleName(tr("Changes are not being saved"));
    m_notKept->hide();

    lblTransNumber = named(new Label(QStringLiteral("0"), this), "lblTransNumber");
    place(lblTransNumber, 120, 1560, 735, 255);
    lblTransNumber->hide();
    lblCount = named(new Label(QStringLiteral("0"), this), "lblCount");
    place(lblCount, 240, 1800, 615, 255);
    lblCount->hide();

    Open1 = named(new QTimer(this), "Open1");
    Open1->setTimerType(Qt::PreciseTimer);
    Open1->setInterval(15); // one step of the opening animation per tick
    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);

    m_userMoved = new QTimer(this);
    m_userMoved->setSingleShot(true);
    m_userMoved->setInterval(250);

    SystemTray = named(new QSystemTrayIcon(this), "SystemTray");
    SystemTray->setToolTip(tr("Click to show Quornel Desktop Notes."));
}

void Form1::buildMenu()
{
    File = named(new QMenu(tr("File"), this), "File");
    Settings = named(File->addMenu(tr("Settings")), "Settings");
    AlSettings = named(Settings->addAction(tr("All Settings")), "AlSettings");
    SpeechSet = named(Settings->addAction(tr("Speech Settings")), "SpeechSet");
    Trans = named(Settings->addAction(tr("Transparent Settings")), "Trans");
    Seperator = named(Settings->addAction(QString(26, QLatin1Char('-'))), "Separator");
    Clock = named(Settings->addAction(tr("Show Clock")), "Clock");
    Clock->setCheckable(true);
    Clock->setChecked(true);
    Read = named(File->addAction(tr("Read Current Notes")), "Read");
    Hide = named(File->addAction(tr("Hide Quornel Desktop Notes")), "Hide");
    Exit = named(File->addAction(tr("Exit")), "Exit");
    File->setToolTipsVisible(true);

    // The icon's own menu.
    auto *trayMenu = named(new QMenu(this), "TrayMenu");
    connect(trayMenu->addAction(tr("Show Quornel Desktop Notes")), &QAction::triggered, this,
            [this] {
                if (!isVisible())
                    Form1_SystemTray_Click();
            });
    // The user's autostart entry, as --autostart writes or removes it.
    QAction *atLogin = named(trayMenu->addAction(tr("Start at Login")), "AtLogin");
    atLogin->setCheckable(true);
    connect(trayMenu, &QMenu::aboutToShow, this,
            [atLogin] { atLogin->setChecked(autostart::isOn()); });
    connect(atLogin, &QAction::triggered, this, [this](bool on) {
        QString error;
        if (!autostart::set(on, &error))
            m_forms.prompts().message(error);
    });
    connect(trayMenu->addAction(tr("Exit")), &QAction::triggered, this, &Form1::Form1_Exit_Click);
    SystemTray->setContextMenu(trayMenu);
}

void Form1::connectHandlers()
{
    connect(Picture, &Label::Click, this, &Form1::Form1_Form_Click);
    connect(Picture, &Label::MouseMove, this, &Form1::Form1_Form_MouseMove);
    connect(Label1, &Label::Click, this, &Form1::Form1_Label1_Click);
    connect(Label3, &Label::Click, this, &Form1::Form1_Label3_Click);
    connect(Open1, &QTimer::timeout, this, &Form1::Form1_Open1_Timer);
    connect(m_userMoved, &QTimer::timeout, this, &Form1::storeUserPlace);
    connect(Timer1, &QTimer::timeout, this, [this] {
        Form1_Timer1_Timer();
        scheduleClock();
    });
    connect(SystemTray, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    Form1_SystemTray_Click();
            });
    connect(AlSettings, &QAction::triggered, this, &Form1::Form1_AlSettings_Click);
    connect(SpeechSet, &QAction::triggered, this, &Form1::Form1_SpeechSet_Click);
    connect(Trans, &QAction::triggered, this, &Form1::Form1_Trans_Click);
    connect(Clock, &QAction::triggered, this, [this] {
        // The item's own check mark is the handler's to set.
        Clock->setChecked(!Clock->isChecked());
        Form1_Clock_Click();
    });
    connect(Read, &QAction::triggered, this, &Form1::Form1_Read_Click);
    // The menu that reads aloud is open: the voice gets ready meanwhile, so
    // that a reading chosen from it is heard at once.
    connect(File, &QMenu::aboutToShow, this, [this] {
        if (FormData.get(fields::SpeechEnabled) && FormData.get(fields::AgentName).namesFile())
            SpeechEngine::expectReading();
    });
    connect(Hide, &QAction::triggered, this, &Form1::Form1_Hide_Click);
    connect(Exit, &QAction::triggered, this, &Form1::Form1_Exit_Click);
    // Hiding needs a notification area to come back from.
    display::Desktop &desktop = display::Desktop::instance();
    connect(&desktop, &display::Desktop::trayChanged, this, &Form1::trayChanged);
    trayChanged(desktop.hasTray());
    connect(&m_forms.store(), &NoteStore::keepingChanged, this, &Form1::showKeeping);
    showKeeping(m_forms.store().isKeeping());

    // What the window shows of the store follows it, whoever changed it.
    DataSource &note = m_forms.noteRow();
    note.watch(fields::Note, this, [this](const QString &text) { showNote(text); });
    note.watch(fields::TextColor, this, [this](const QColor &c) { applyTextColor(c); });
    FormData.watch(fields::ClockEnabled, this, [this](bool shown) {
        Clock->setChecked(shown);
        Label2->setVisible(shown);
    });
    // The level rests where the transparency settings put it; an opening
    // animation under way ends there by itself.
    FormData.watch(fields::TransLevel, this, [this](int level) {
        if (FormData.get(fields::TransEnabled) && !Open1->isActive())
            TransWindow1.SetLevel(qint16(level));
    });
    FormData.watch(fields::TransEnabled, this, [this](bool on) {
        if (!on && !Open1->isActive())
            TransWindow1.SetLevel(255);
    });
    keepReadingChoices();
}

// How the character reads is chosen in its menu and kept in the settings
// row; it follows the store, whoever changed it.
void Form1::keepReadingChoices()
{
    const auto choices = [this] {
        return ReadingChoices{FormData.get(fields::ReadingLanguage),
                              FormData.get(fields::ReadingSpeed),
                              FormData.get(fields::StayOnDesktop)};
    };
    Agent1.setChoices(choices());
    Agent1.keepChoicesWith(this, [this](const ReadingChoices &c) {
        FormData.write({{fields::ReadingLanguage, c.language},
                        {fields::ReadingSpeed, c.speed},
                        {fields::StayOnDesktop, c.stays}});
    });
    const auto follow = [this, choices](const auto &) { Agent1.setChoices(choices()); };
    FormData.watch(fields::ReadingLanguage, this, follow);
    FormData.watch(fields::ReadingSpeed, this, follow);
    FormData.watch(fields::StayOnDesktop, this, follow);
}

// Escape stops the reading and those queued behind it; F6 gives the
// character the keyboard, for its own menu.
void Form1::toCharacter(int key)
{
    AgentCharacter *character = hasLoadedCharacter()
                                    ? Agent1.Characters().Character(QStringLiteral("my character"))
                                    : nullptr;
    if (character && key == Qt::Key_Escape)
        character->Stop();
    else if (character)
        character->Activate();
}

void Form1::onLoad()
{
    Form1_Form_Load();
}

void Form1::onUnload()
{
    Form1_Form_Unload();
}

// --- what the other windows ask ----------------------------------------------

void Form1::showNote(const QString &note)
{
    // A note runs the way its own writing runs, whatever the language of
    // the windows around it.
    Label1->setLayoutDirection(note.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    Label1->setCaption(note);
}

void Form1::applyTextColor(const QColor &c)
{
    color::setTextColor(Label1, c);
    color::setTextColor(Label2, c);
}

bool Form1::hasLoadedCharacter() const
{
    return loadFlag() == QLatin1String("Not Load");
}

// The load flag is a hidden text box, made when first set: a text box
// reads the fonts, which nothing else needs before the window shows.
QString Form1::loadFlag() const
{
    return Text1 ? Text1->text() : QStringLiteral("Load");
}

void Form1::setLoadFlag(const QString &text)
{
    if (!Text1) {
        Text1 = named(new QLineEdit(QStringLiteral("Load"), this), "Text1");
        place(Text1, 120, 2040, 615, 285);
        Text1->hide();
    }
    Text1->setText(text);
}

void Form1::bringForward()
{
    if (isVisible())
        showModeless();
    else
        Form1_SystemTray_Click();
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (event->key() == Qt::Key_Menu || shiftF10)
        File->popup(mapToGlobal(Label3->geometry().center()));
    else if (event->key() == Qt::Key_F2)
        Form1_Label1_Click();
    else if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F6)
        toCharacter(event->key()); // Escape never closes the main window
    else
        event->ignore();
}

void Form1::showKeeping(bool keeping)
{
    // Styled when first needed: a style sheet brings the toolkit's whole
    // style sheet machinery into memory, for a mark most runs never show.
    if (!keeping && m_notKept->styleSheet().isEmpty())
        m_notKept->setStyleSheet(QStringLiteral(
            "background: #c62828; color: white; font-weight: bold; border-radius: 8px;"));
    m_notKept->setVisible(!keeping);
    const QString why = tr("Changes are not being saved to \"%1\".").arg(m_forms.store().path());
    m_notKept->setToolTip(keeping ? QString() : why);
    SystemTray->setToolTip(keeping ? tr("Click to show Quornel Desktop Notes.")
                                   : tr("Click to show Quornel Desktop Notes.") + u'\n' + why);
}

// However the user moves the window (its caption bar, the keyboard, a
// window manager's command), its place is kept. Moves the program makes
// itself leave the stored place alone: where it put the window on a screen
// within reach, and where the window manager put it for a screen that came
// or went.
void Form1::moveEvent(QMoveEvent *event)
{
    Form::moveEvent(event);
    if (isVisible() && !isUnloading() && !m_userMoved->isActive())
        m_userMoved->start();
}

void Form1::storeUserPlace()
{
    if (Open1->isActive()) {
        m_userMoved->start(); // the opening animation resizes the window meanwhile
        return;
    }
    m_userMoved->stop();
    if (!isVisible() || placement::screensChangedWithin(2000) ||
        (m_keptOnScreenAt && pos() == *m_keptOnScreenAt))
        return;
    m_keptOnScreenAt.reset();
    const double left = leftTwips(), top = topTwips();
    if (left != FormData.get(fields::Left) || top != FormData.get(fields::Top))
        FormData.write({{fields::Left, left}, {fields::Top, top}});
}

// A place stored for a larger or absent screen, or a screen gone while the
// widget runs, would leave the window out of reach: it shows on the nearest
// screen instead. The store keeps the stored place until the user moves it.
void Form1::keepOnScreen()
{
    const QRect outer(pos(), QSize(width() + 2, twips::toPx(fullHeight)));
    const std::optional<QPoint> place = placement::keptOnScreen(outer);
    if (!place)
        return;
    setLeftTwips(twips::fromPx(place->x()));
    setTopTwips(twips::fromPx(place->y()));
    m_keptOnScreenAt = pos();
}

// --- start-up ------------------------------------------------------------

void Form1::Form1_Form_Load()
{
    const DataSource &note = m_forms.noteRow();
    if (note.get(fields::StartAni)) {
        setOuterHeightTwips(0);
        Open1->start();
    }
    applyTextColor(note.get(fields::TextColor));
    showNote(note.get(fields::Note));

    // The rename, options and animation windows load when first used; each
    // takes the stored colour as it loads. Until then they cost nothing.
}

void Form1::start()
{
    Form1_Form_Initialize();
    if (!m_startHidden) {
        showModeless();
        // The icon serves the window list and the notification area; the
        // window shows without waiting for its pictures.
        QTimer::singleShot(0, this, &Form1::setIcon);
    }
}

void Form1::setIcon()
{
    if (SystemTray->icon().isNull()) {
        setWindowIcon(programIcon());
        SystemTray->setIcon(windowIcon());
    }
}

void Form1::Form1_Form_Initialize()
{
    setLeftTwips(FormData.get(fields::Left));
    setTopTwips(FormData.get(fields::Top));
    keepOnScreen();

    // Without a notification area the window would have no way back.
    if (FormData.get(fields::Hidden) && display::Desktop::instance().hasTray()) {
        hide();
        setIcon();
        SystemTray->setVisible(true);
        m_startHidden = true;
    }

    const bool clock = FormData.get(fields::ClockEnabled);
    Clock->setChecked(clock);
    Label2->setVisible(clock);
    Form1_Timer1_Timer();
    scheduleClock();

    if (!FormData.get(fields::ReadOnStart) || !FormData.get(fields::SpeechEnabled))
        return;
    const CharacterChoice agentName = FormData.get(fields::AgentName);
    if (!agentName.namesFile())
        return;
    setLoadFlag(QStringLiteral("Not Load"));
    Agent1.Characters().Load(QStringLiteral("my Character"), agentName.path);
    readAloud();
}

void Form1::readAloud()
{
    if (AgentCharacter *character = Agent1.Characters().Character(QStringLiteral("my character"))) {
        character->Show();
        character->Speak(tr("You have the following notes: ") + Label1->caption());
    }
}

// --- clock, colour and position ------------------------------------------

void Form1::Form1_Timer1_Timer()
{
    Label2->setCaption(longTimeText(QTime::currentTime()));
}

void Form1::scheduleClock()
{
    // The displayed seconds change at each second boundary; waking there,
    // rather than every millisecond, keeps them current.
    Timer1->start(1000 - QTime::currentTime().msec() + 1);
}

void Form1::Form1_Clock_Click()
{
    if (!Clock->isChecked()) {
        Clock->setChecked(true);
        Label2->setVisible(true);
        FormData.set(fields::ClockEnabled, true);
    } else {
        Clock->setChecked(false);
        Label2->setVisible(false);
        FormData.set(fields::ClockEnabled, false);
    }
}

void Form1::Form1_Form_MouseMove()
{
    if (m_keptOnScreenAt && pos() == *m_keptOnScreenAt)
        return;
    m_keptOnScreenAt.reset();
    FormData.write({{fields::Left, leftTwips()}, {fields::Top, topTwips()}});
}

void Form1::Form1_Label1_Click()
{
    // The dialog shows the note in the stored colour, as it follows it.
    m_forms.form2->showModeless();
}

// --- popup menu ------------------------------------------------------------

void Form1::Form1_Form_Click()
{
    File->popup(QCursor::pos());
}

void Form1::Form1_Label3_Click()
{
    File->popup(QCursor::pos());
}

void Form1::Form1_AlSettings_Click()
{
    m_forms.form3->showModeless();
}

void Form1::Form1_SpeechSet_Click()
{
    m_forms.form4->showModeless();
}

void Form1::Form1_Trans_Click()
{
    m_forms.form6->showModeless();
}

// --- reading aloud -----------------------------------------------------------

void Form1::Form1_Read_Click()
{
    auto speechOn = [this] { return FormData.get(fields::SpeechEnabled); };
    auto agentName = [this] { return FormData.get(fields::AgentName); };
    if (speechOn() && agentName().namesFile() && loadFlag() == QLatin1String("Load")) {
        Agent1.Characters().Load(QStringLiteral("my Character"), agentName().path);
        setLoadFlag(QStringLiteral("Not Load"));
    }
    if (speechOn() && agentName().isNone())
        m_forms.prompts().message(
            tr("You must pick a Speech Agent Character if the speech is enabled. You can do this "
               "by clicking the Load Agent button in the Speech Settings window. If you do not "
               "have any Speech Agent Characters than disable the speech in the Speech Settings "
               "window."));
    if (speechOn() && agentName().namesFile())
        readAloud();
}

// --- hide, show and leave ----------------------------------------------------

void Form1::Form1_Hide_Click()
{
    if (m_forms.noteRow().get(fields::CloseAni)) {
        m_forms.form5->setHolder(fullHeight);
        if (!FormData.get(fields::TransEnabled))
            rollUpLoop();
        else
            fadeOutLoop();
    }
    SystemTray->setVisible(true);
    hide();
    FormData.set(fields::Hidden, true);
}

void Form1::Form1_SystemTray_Click()
{
    if (m_forms.noteRow().get(fields::StartAni)) {
        if (!FormData.get(fields::TransEnabled)) {
            m_forms.form5->setHolderMaximum(fullHeight);
            showModeless();
            rollDownLoop();
        } else {
            showModeless();
            fadeInLoop();
        }
    } else {
        // Without the opening animation the window comes back whole, even
        // when hiding rolled it up or faded it out.
        setOuterHeightTwips(fullHeight);
        TransWindow1.SetLevel(restingLevel());
    }
    showModeless();
    SystemTray->setVisible(false);
    FormData.set(fields::Hidden, false);
}

void Form1::trayChanged(bool available)
{
    Hide->setEnabled(available);
    if (available)
        Hide->setToolTip(QString());
    else if (display::Desktop::instance().hasOtherTrayOnly())
        Hide->setToolTip(
            tr("The notification area that runs is of a kind this icon cannot use (the kind is "
               "chosen when Quornel Desktop Notes starts): hidden, the window would have no icon "
               "to come back from. Start Quornel Desktop Notes again to use it."));
    else
        Hide->setToolTip(
            tr("No notification area is running (neither a system tray nor a status notifier "
               "host): hidden, the window would have no icon to come back from."));
    // Never stranded: with the notification area gone the icon cannot
    // bring the window back, so it comes back now.
    if (!available && SystemTray->isVisible() && !isUnloading())
        Form1_SystemTray_Click();
}

void Form1::Form1_Exit_Click()
{
    Open1->stop();
    unload();
}

void Form1::Form1_Form_Unload()
{
    Open1->stop();
    Timer1->stop();
    if (m_userMoved->isActive())
        storeUserPlace(); // moved right before leaving
    if (m_forms.noteRow().get(fields::CloseAni)) {
        if (!FormData.get(fields::TransEnabled)) {
            m_forms.form5->setHolder(fullHeight);
            showModeless();
            setOuterHeightTwips(fullHeight);
            rollUpLoop();
        } else {
            fadeOutLoop();
        }
    }
    SystemTray->setVisible(false);
    m_forms.form2.unload();
    m_forms.form3.unload();
    m_forms.form5.unload();
}

qint16 Form1::restingLevel() const
{
    // With transparency off the window is opaque, as switching it off in
    // the transparency dialog leaves it.
    if (!FormData.get(fields::TransEnabled))
        return 255;
    return qint16(FormData.get(fields::TransLevel));
}

int Form1::addToCaption(Label *label, int amount)
{
    const int value = label->caption().toInt() + amount;
    label->setCaption(QString::number(value));
    return value;
}
