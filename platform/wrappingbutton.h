// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

// A push button whose caption wraps onto a further line where the button is
// too narrow for it and tall enough for two.
class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
