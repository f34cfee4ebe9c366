// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

class QWidget;

// Makes its host window translucent. Shows only where a compositing
// manager runs; elsewhere the call changes nothing the user can see.
class TransWindow {
public:
    explicit TransWindow(QWidget *host) : m_host(host) {}

    // 0 is fully transparent, 255 fully opaque. The host takes the new
    // opacity before the call returns.
    void SetLevel(qint16 level);

private:
    QWidget *m_host;
};
