// SPDX-License-Identifier: MIT
#include "prompts.h"

#include "placement.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>

Prompts::Prompts()
{
    // The program keeps no files but its note store: the common dialogs
    // would remember their last folder and colours in a settings file.
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
}

void Prompts::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(programTitle), text, QMessageBox::Ok);
    box.exec();
}

QColor Prompts::pickColor(const QColor &initial, const QString &title)
{
    QColorDialog dialog(initial);
    dialog.setWindowTitle(title);
    // Qt's own picker opens as Qt would open it over the main window,
    // centred, but wholly on its screen: on a small or scaled screen it is
    // taller than the screen. A picker of the desktop's own places itself.
    const QScreen *screen = placement::screenOf(m_home);
    if (dialog.layout() && screen) {
        placement::fitLayoutOnScreen(&dialog, screen);
        dialog.adjustSize();
        openOverHome(&dialog);
    }
    if (dialog.exec() != QDialog::Accepted)
        return initial;
    return dialog.selectedColor();
}

QString Prompts::openFile(const QString &filter, const QString &startFolder)
{
    // "Description|*.ext" becomes Qt's "Description (*.ext)".
    const QStringList parts = filter.split(QLatin1Char('|'));
    const QString qtFilter =
        parts.size() == 2 ? QStringLiteral("%1 (%2)").arg(parts[0], parts[1]) : filter;
    QFileDialog dialog(nullptr, QString(), startFolder, qtFilter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog is sized for a large screen and would open on the
    // one under the pointer.
    placement::fitSizeOnScreen(&dialog, placement::screenOf(m_home));
    openOverHome(&dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void Prompts::openOverHome(QWidget *dialog) const
{
    const QScreen *screen = placement::screenOf(m_home);
    if (!screen)
        return;
    const QPoint middle =
        m_home ? m_home->frameGeometry().center() : screen->availableGeometry().center();
    placement::openOn(dialog, middle - dialog->rect().center(), screen);
}
