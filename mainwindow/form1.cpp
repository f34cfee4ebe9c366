#include "form1.h"

#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/form6.h"
#include "mainwindow/form5.h"
#include "mainwindow/forms.h"
#include "platform/color.h"
#include "platform/prompts.h"
#include "platform/timeformat.h"
#include "speech/agent.h"
#include "speech/form4.h"
#include "store/fields.h"

#include <QCursor>
#include <QFont>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTime>

namespace {

const QString kCaption = QStringLiteral("Quornel Desktop Notes");
const QString kSpokenIntro = QStringLiteral("You have the following notes: ");
const QString kPickAgentWarning = QStringLiteral(
    "You must pick a Speech Agent Character if the speech is enabled. You can do this by clicking "
    "the Load Agent button in the Speech Settings window. If you do not have any Speech Agent "
    "Characters than disable the speech in the Speech Settings window.");

QIcon programIcon()
{
    QIcon icon(QStringLiteral(":/icon.ico"));
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

// "Agent Name" names a character unless it is "None" or empty of any value.
bool namesAgent(const QVariant &agentName)
{
    return !agentName.isNull() && agentName.isValid() &&
           !fields::equalsText(agentName, QStringLiteral("None"));
}

} // namespace

Form1::Form1(Forms &forms)
    : Form(kCaption, 3195, 2340), FormData(forms.store(), Table::Form), TransWindow1(this),
      Agent1(forms.agent()), m_forms(forms), m_picture(QStringLiteral(":/mascot.bmp"))
{
    setWindowIcon(programIcon());
    setMouseTracking(true);

    Label1 = new Label(QStringLiteral("Click here to rename text."), this);
    place(Label1, 1200, 120, 1935, 1815);
    Label1->setToolTip(QStringLiteral("Click here to rename your text."));
    Label1->setFont(noteFont());
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label2 = new Label(QString(), this);
    place(Label2, 120, 120, 855, 375);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Label3 = new Label(QString(), this);
    place(Label3, 0, 960, 1215, 1455);
    Label3->setToolTip(QStringLiteral("Left click Quornel or below the clock  for Popup Menu."));

    lblTransNumber = new Label(QStringLiteral("0"), this);
    place(lblTransNumber, 120, 1560, 735, 255);
    lblTransNumber->hide();
    lblCount = new Label(QStringLiteral("0"), this);
    place(lblCount, 240, 1800, 615, 255);
    lblCount->hide();
    Text1 = new QLineEdit(QStringLiteral("Load"), this);
    place(Text1, 120, 2040, 615, 285);
    Text1->hide();

    Open1 = new QTimer(this);
    Open1->setTimerType(Qt::PreciseTimer);
    Open1->setInterval(15); // one step of the opening animation per tick
    connect(Open1, &QTimer::timeout, this, &Form1::Form1_Open1_Timer);
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] {
        Form1_Timer1_Timer();
        scheduleClock();
    });

    SystemTray =
        new TrayIcon(windowIcon(), QStringLiteral("Click to show Quornel Desktop Notes."), this);
    connect(SystemTray, &TrayIcon::Click, this, &Form1::Form1_SystemTray_Click);

    connect(Label1, &Label::Click, this, &Form1::Form1_Label1_Click);
    connect(Label3, &Label::Click, this, &Form1::Form1_Label3_Click);
    buildMenu();
}

void Form1::buildMenu()
{
    File = new QMenu(QStringLiteral("File"), this);
    Settings = File->addMenu(QStringLiteral("Settings"));
    AlSettings = Settings->addAction(QStringLiteral("All Settings"));
    SpeechSet = Settings->addAction(QStringLiteral("Speech Settings"));
    Trans = Settings->addAction(QStringLiteral("Transparent Settings"));
    Seperator = Settings->addAction(QString(26, QLatin1Char('-')));
    Clock = Settings->addAction(QStringLiteral("Show Clock"));
    Clock->setCheckable(true);
    Clock->setChecked(true);
    Read = File->addAction(QStringLiteral("Read Current Notes"));
    Hide = File->addAction(QStringLiteral("Hide Quornel Desktop Notes"));
    Exit = File->addAction(QStringLiteral("Exit"));

    connect(AlSettings, &QAction::triggered, this, &Form1::Form1_AlSettings_Click);
    connect(SpeechSet, &QAction::triggered, this, &Form1::Form1_SpeechSet_Click);
    connect(Trans, &QAction::triggered, this, &Form1::Form1_Trans_Click);
    // The check mark follows the clock's visibility, which the handler sets.
    connect(Clock, &QAction::triggered, this, [this] {
        Clock->setChecked(!Clock->isChecked());
        Form1_Clock_Click();
    });
    connect(Read, &QAction::triggered, this, &Form1::Form1_Read_Click);
    connect(Hide, &QAction::triggered, this, &Form1::Form1_Hide_Click);
    connect(Exit, &QAction::triggered, this, &Form1::Form1_Exit_Click);
    // Hiding needs a notification area to come back from.
    connect(File, &QMenu::aboutToShow, this, [this] { Hide->setEnabled(TrayIcon::available()); });
}

void Form1::onLoad()
{
    Form1_Form_Load();
}

void Form1::onUnload()
{
    Form1_Form_Unload();
}

// --- start-up ------------------------------------------------------------

void Form1::Form1_Form_Load()
{
    m_forms.form5->VScroll1->setMaximum(fullHeight);

    Form2 *rename = m_forms.form2.get();
    if (fields::isTrue(rename->Data1.Field(fields::StartAni))) {
        setOuterHeightTwips(0);
        Open1->start();
    }
    rename->Data1.MoveFirst();

    const quint32 textColor = fields::toColor(rename->Data1.Field(fields::TextColor));
    m_forms.form3->setSwatchColor(textColor);
    Label1->setTextColor(textColor);
    Label2->setTextColor(textColor);
    color::setTextColor(m_forms.form2->Text1, textColor);

    Label1->setCaption(
        fields::toText(m_forms.form2->Data1.Field(fields::Note), fields::defaultNote));
}

void Form1::Form1_Form_Initialize()
{
    setLeftTwips(fields::toSingle(FormData.Field(fields::Left), 0));
    setTopTwips(fields::toSingle(FormData.Field(fields::Top), 0));

    // Without a notification area the window would have no way back.
    if (fields::equalsText(FormData.Field(fields::HideShow), QStringLiteral("Hide")) &&
        TrayIcon::available()) {
        hide();
        SystemTray->setInTray(true);
        m_startHidden = true;
    }

    const QVariant clockEnabled = FormData.Field(fields::ClockEnabled);
    if (fields::equalsNumber(clockEnabled, 1)) {
        Clock->setChecked(true);
        Label2->setVisible(true);
    } else if (fields::equalsNumber(clockEnabled, 0)) {
        Clock->setChecked(false);
        Label2->setVisible(false);
    }

    Form1_Timer1_Timer();
    scheduleClock();

    if (!fields::equalsText(FormData.Field(fields::ReadOnStart), QStringLiteral("1")))
        return;
    if (!fields::equalsNumber(FormData.Field(fields::SpeechEnabled), 1))
        return;
    const QVariant agentName = FormData.Field(fields::AgentName);
    if (!namesAgent(agentName))
        return;
    Text1->setText(QStringLiteral("Not Load"));
    Agent1.Characters().Load(QStringLiteral("my Character"), agentName.toString());
    readAloud();
}

void Form1::showAfterStartUp()
{
    if (!m_startHidden)
        showModeless();
}

void Form1::readAloud()
{
    if (AgentCharacter *character = Agent1.Characters().Character(QStringLiteral("my character"))) {
        character->Show();
        character->Speak(kSpokenIntro + Label1->caption());
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
        FormData.write({{fields::ClockEnabled, 1}});
    } else {
        Clock->setChecked(false);
        Label2->setVisible(false);
        FormData.write({{fields::ClockEnabled, 0}});
    }
}

void Form1::Form1_Form_MouseMove()
{
    FormData.write(
        {{fields::Left, double(float(leftTwips()))}, {fields::Top, double(float(topTwips()))}});
}

void Form1::Form1_Label1_Click()
{
    Form2 *rename = m_forms.form2.get();
    color::setTextColor(rename->Text1, fields::toColor(rename->Data1.Field(fields::TextColor)));
    rename->showModeless();
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
    if (fields::equalsNumber(FormData.Field(fields::SpeechEnabled), 1) &&
        namesAgent(FormData.Field(fields::AgentName)) && Text1->text() == QLatin1String("Load")) {
        Agent1.Characters().Load(QStringLiteral("my Character"),
                                 FormData.Field(fields::AgentName).toString());
        Text1->setText(QStringLiteral("Not Load"));
    }
    if (fields::equalsNumber(FormData.Field(fields::SpeechEnabled), 1) &&
        fields::equalsText(FormData.Field(fields::AgentName), QStringLiteral("None")))
        m_forms.prompts().message(kPickAgentWarning);
    if (fields::equalsNumber(FormData.Field(fields::SpeechEnabled), 1) &&
        namesAgent(FormData.Field(fields::AgentName)))
        readAloud();
}

// --- hide, show and leave ----------------------------------------------------

void Form1::Form1_Hide_Click()
{
    if (fields::equalsText(m_forms.form2->Data1.Field(fields::CloseAni), QStringLiteral("True"))) {
        m_forms.form5->VScroll1->setValue(fullHeight);
        if (fields::equalsNumber(FormData.Field(fields::TransEnabled), 0))
            rollUpLoop();
        else
            fadeOutLoop();
    }
    SystemTray->setInTray(true);
    hide();
    FormData.write({{fields::HideShow, QStringLiteral("Hide")}});
}

void Form1::Form1_SystemTray_Click()
{
    if (fields::isTrue(m_forms.form2->Data1.Field(fields::StartAni))) {
        if (fields::equalsNumber(FormData.Field(fields::TransEnabled), 0)) {
            m_forms.form5->VScroll1->setMaximum(fullHeight);
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
    SystemTray->setInTray(false);
    FormData.write({{fields::HideShow, QStringLiteral("Show")}});
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
    if (fields::equalsText(m_forms.form2->Data1.Field(fields::CloseAni), QStringLiteral("True"))) {
        if (fields::equalsNumber(FormData.Field(fields::TransEnabled), 0)) {
            m_forms.form5->VScroll1->setValue(fullHeight);
            showModeless();
            setOuterHeightTwips(fullHeight);
            rollUpLoop();
        } else {
            fadeOutLoop();
        }
    }
    SystemTray->setInTray(false);
    m_forms.form2.unload();
    m_forms.form3.unload();
    m_forms.form5.unload();
}

// --- mouse -------------------------------------------------------------------

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    Form1_Form_MouseMove();
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Form1::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Form1_Form_Click();
}

void Form1::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

qint16 Form1::restingLevel() const
{
    // With transparency off the window is opaque, as switching it off in
    // the transparency dialog leaves it.
    if (fields::equalsNumber(FormData.Field(fields::TransEnabled), 0))
        return 255;
    return qint16(fields::toLevel(FormData.Field(fields::TransLevel)));
}

int Form1::addToCaption(Label *label, int amount)
{
    const int value = label->caption().toInt() + amount;
    label->setCaption(QString::number(value));
    return value;
}
