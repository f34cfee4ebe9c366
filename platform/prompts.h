// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

// The program's modal questions to the user: message boxes and the two
// common dialogs. Tests put their own answers in place of the real ones.
class Prompts {
public:
    Prompts();
    virtual ~Prompts() = default;

    // The window the colour picker and the file dialog open over, wholly
    // on its screen: the main window.
    void setHomeWindow(const QWidget *home) { m_home = home; }

    // A message box with an OK button only, no icon, titled with the
    // program's name.
    virtual void message(const QString &text);

    // The colour picker: returns the colour chosen, or `initial` when the
    // user cancels.
    virtual QColor pickColor(const QColor &initial, const QString &title);

    // The file-open dialog. `filter` is "Description|pattern"; returns the
    // full path of an existing file, or an empty string when cancelled.
    virtual QString openFile(const QString &filter, const QString &startFolder);

private:
    // Centred over the main window, moved the least onto its screen.
    void openOverHome(QWidget *dialog) const;

    QPointer<const QWidget> m_home;
};

inline constexpr char programTitle[] = "Quornel Desktop Notes";
