// SPDX-License-Identifier: MIT
#include "transwindow.h"

#include "display.h"

#include <QWidget>

void TransWindow::SetLevel(qint16 level)
{
    const int bounded = qBound(0, int(level), 255);
    m_host->setWindowOpacity(bounded / 255.0);
    display::flush();
}
