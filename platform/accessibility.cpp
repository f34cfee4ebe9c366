// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "form.h"
#include "label.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>

namespace {

bool isShown(const QAccessibleInterface *child)
{
    const auto *w = qobject_cast<const QWidget *>(child->object());
    return !w || !(w->isWindow() ? !w->isVisible() : w->isHidden());
}

// Qt's own children of `Base`, less those that are not shown.
template <class Base> class ShownChildren : public Base {
public:
    using Base::Base;

    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface *child(int index) const override { return shown().value(index); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(shown().indexOf(const_cast<QAccessibleInterface *>(child)));
    }

private:
    QList<QAccessibleInterface *> shown() const
    {
        QList<QAccessibleInterface *> list;
        for (int i = 0, n = Base::childCount(); i < n; ++i) {
            QAccessibleInterface *child = Base::child(i);
            if (child && isShown(child))
                list.append(child);
        }
        return list;
    }
};

using Application = ShownChildren<QAccessibleApplication>;

// Asked afresh each time: the interface may be made while the window is
// still being built.
class Window : public ShownChildren<QAccessibleWidget> {
public:
    explicit Window(QWidget *window) : ShownChildren(window) {}

    QAccessible::Role role() const override
    {
        const auto *form = qobject_cast<Form *>(widget());
        return form ? form->accessibleRole() : QAccessible::Window;
    }
};

// A label, named by its caption unless it has a name of its own, whose
// caption (whole, however much of it shows) screen readers and braille
// displays read as its text; one that takes clicks offers the click as its
// action.
class LabelInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LabelInterface(Label *label) : QAccessibleWidget(label) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface && label()->pixmap().isNull())
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::Role role() const override
    {
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            return label()->caption();
        return text;
    }
    QStringList actionNames() const override
    {
        const QStringList names = QAccessibleWidget::actionNames();
        return label()->takesClicks() ? QStringList(pressAction()) + names : names;
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && label()->takesClicks())
            emit label()->Click();
        else
            QAccessibleWidget::doAction(action);
    }

    // The text, read only: no caret, no selection, no place of its own.
    QString text(int startOffset, int endOffset) const override
    {
        return label()->caption().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(label()->caption().size()); }
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    Label *label() const { return static_cast<Label *>(widget()); }
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (object == qApp)
        return new Application;
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    // Asked class by class, from the object's own to QWidget: Qt's
    // interfaces for the classes in between (menus, buttons...) stand.
    if (className == QLatin1String("Label"))
        return new LabelInterface(static_cast<Label *>(widget));
    if (className == QLatin1String("QWidget") && widget->isWindow())
        return new Window(widget);
    return nullptr;
}

} // namespace

namespace accessibility {

void install()
{
    QAccessible::installFactory(interfaceFor);
}

} // namespace accessibility
