#include "form3.h"

#include "dialogs/form2.h"
#include "dialogs/form6.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "platform/color.h"
#include "platform/prompts.h"
#include "speech/form4.h"
#include "store/fields.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// A push button whose caption wraps onto a further line where the button is
// too narrow for it and tall enough for two.
class WrappingButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(),
                             caption, QPalette::ButtonText);
    }
};

} // namespace

Form3::Form3(Forms &forms) : Form(QStringLiteral("Settings"), 3870, 2730), m_forms(forms)
{
    setFont(dialogFont());

    Frame2 = new QGroupBox(QStringLiteral("Animation"), this);
    place(Frame2, 120, 120, 1935, 1215);
    Frame2->setToolTip(QStringLiteral(
        "Chose if you would like to have \"Open Animation\" or \"Close Animation\"  by checking "
        "the appropriate check box."));
    Check1 = new QCheckBox(QStringLiteral("Open Animation"), Frame2);
    place(Check1, 120, 360, 1575, 255);
    Check1->setToolTip(QStringLiteral("Click if you want the \"Open Animation\" on or off."));
    Check2 = new QCheckBox(QStringLiteral("Close Animation"), Frame2);
    place(Check2, 120, 720, 1575, 255);
    Check2->setToolTip(QStringLiteral("Click if you want the \"Close Animation\" on or off."));

    Command2 = new QPushButton(QStringLiteral("Speech Settings"), this);
    place(Command2, 2160, 840, 1575, 375);
    Command2->setToolTip(
        QStringLiteral("Click this to enable/disable the sppech in Quornel Desktop Notes."));

    Frame1 = new QGroupBox(QStringLiteral("Current Text Color"), this);
    place(Frame1, 120, 1440, 1935, 1215);
    Shape1 = new QLabel(Frame1);
    place(Shape1, 720, 240, 495, 375);
    Shape1->setAutoFillBackground(true);
    Shape1->setFrameShape(QFrame::Box);

    Command3 = new QPushButton(QStringLiteral("Change Text Color"), this);
    place(Command3, 300, 2160, 1575, 375);
    Command3->setToolTip(QStringLiteral("Click this button to change the color of all your text."));

    cmdTransSettings = new WrappingButton(QStringLiteral("Transparency Settings "), this);
    place(cmdTransSettings, 2160, 1800, 1575, 615);
    cmdTransSettings->setToolTip(
        QStringLiteral("Click this to adjust the transparency setting in Quornel Desktop Notes."));

    Image1 = new QLabel(this);
    place(Image1, 2640, 120, 480, 480);
    Image1->setPixmap(QIcon(QStringLiteral(":/loudspeaker.ico")).pixmap(32, 32));

    setTabOrder(Check1, Check2);
    setTabOrder(Check2, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, cmdTransSettings);

    setSwatchColor(0);
    connect(Check1, &QCheckBox::stateChanged, this, &Form3::Form3_Check1_Click);
    connect(Check2, &QCheckBox::stateChanged, this, &Form3::Form3_Check2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Form3_Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Form3_Command2_Click);
    connect(cmdTransSettings, &QPushButton::clicked, this, &Form3::Form3_cmdTransSettings_Click);

    // The client area's top-left corner opens at its designed place.
    placeClientTwips(3360, 5655);
}

void Form3::setSwatchColor(quint32 bgr)
{
    m_swatch = bgr & 0x00ffffffu;
    QPalette p = Shape1->palette();
    p.setColor(QPalette::Window, color::toQColor(m_swatch));
    Shape1->setPalette(p);
}

void Form3::onLoad()
{
    Form3_Form_Load();
}

void Form3::Form3_Form_Load()
{
    DataSource &note = m_forms.form2->Data1;
    if (fields::equalsText(note.Field(fields::StartAni), QStringLiteral("True")))
        Check1->setChecked(true);
    if (fields::equalsText(note.Field(fields::CloseAni), QStringLiteral("True")))
        Check2->setChecked(true);
    // A reopened dialog shows the stored colour, not the design's black.
    setSwatchColor(fields::toColor(note.Field(fields::TextColor)));
}

void Form3::writeSwitch(QCheckBox *box, const QString &field)
{
    if (box->checkState() == Qt::Unchecked)
        m_forms.form2->Data1.write({{field, QStringLiteral("False")}});
    if (box->checkState() == Qt::Checked)
        m_forms.form2->Data1.write({{field, QStringLiteral("True")}});
}

void Form3::Form3_Check1_Click()
{
    writeSwitch(Check1, fields::StartAni);
}

void Form3::Form3_Check2_Click()
{
    writeSwitch(Check2, fields::CloseAni);
}

void Form3::Form3_Command3_Click()
{
    setSwatchColor(
        m_forms.prompts().pickColor(swatchColor(), QStringLiteral("Pick a color for the text.")));
    m_forms.form2->Data1.write({{fields::TextColor, qint64(swatchColor())}});
    color::setTextColor(m_forms.form2->Text1, swatchColor());
    m_forms.form1->Label1->setTextColor(swatchColor());
    m_forms.form1->Label2->setTextColor(swatchColor());
}

void Form3::Form3_Command2_Click()
{
    m_forms.form4->showModeless();
}

void Form3::Form3_cmdTransSettings_Click()
{
    m_forms.form6->showModeless();
}
