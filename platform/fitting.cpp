// SPDX-License-Identifier: MIT
#include "fitting.h"

#include "label.h"
#include "wrappingbutton.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace fitting {

namespace {

int textWidth(const QWidget *control, const QString &text)
{
    return QFontMetrics(control->font()).size(Qt::TextShowMnemonic, text).width();
}

// The text's width and the margins the style keeps around `room`, the part
// of the control the text is drawn in.
int around(const QWidget *control, const QString &text, const QRect &room)
{
    return textWidth(control, text) + control->width() - room.width();
}

QStyleOptionButton buttonOption(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return option;
}

} // namespace

int widthNeeded(const QWidget *control)
{
    const QStyle *style = control->style();
    if (const auto *box = qobject_cast<const QCheckBox *>(control)) {
        const QStyleOptionButton option = buttonOption(box);
        return around(box, box->text(),
                      style->subElementRect(QStyle::SE_CheckBoxContents, &option, box));
    }
    if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        const QStyleOptionButton option = buttonOption(button);
        const QRect room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        if (qobject_cast<const WrappingButton *>(button)) {
            const QRect wrapped =
                QFontMetrics(button->font())
                    .boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, button->text());
            if (wrapped.width() <= room.width() && wrapped.height() <= room.height())
                return button->width();
        }
        return around(button, button->text(), room);
    }
    if (const auto *frame = qobject_cast<const QGroupBox *>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        // As much room after the title as the style leaves before it.
        const int before =
            frame->isRightToLeft() ? frame->width() - 1 - title.right() : title.left();
        return 2 * std::max(0, before) + textWidth(frame, frame->title());
    }
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        const auto *ours = qobject_cast<const Label *>(label);
        if (label->text().isEmpty() || label->wordWrap() || (ours && ours->fitsItself()) ||
            label->textFormat() == Qt::RichText)
            return label->width();
        return around(label, label->text(), label->contentsRect()) + 2 * label->margin() +
               std::max(0, label->indent());
    }
    return control->width();
}

} // namespace fitting
