// SPDX-License-Identifier: MIT
#include "prompts.h"

#include "color.h"
#include "placement.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
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

quint32 Prompts::pickColor(quint32 initial, const QString &title)
{
    const QColor picked = QColorDialog::getColor(color::toQColor(initial), nullptr, title);
    return picked.isValid() ? color::fromQColor(picked) : initial;
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
    placement::fitSizeOnScreen(&dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
