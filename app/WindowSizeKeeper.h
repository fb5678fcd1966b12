// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowSize.h"

#include <QObject>

class QWidget;

// Applies the window-size rule to a top-level widget: tells it what the
// widget and its native window hear (states asked for and reported, shown,
// resized, painted) and does what it answers.
class WindowSizeKeeper : public QObject {
    Q_OBJECT

  public:
    WindowSizeKeeper(QWidget* window, int width);
    void SetHeight(int pixels);
    // Once the widget has its native window.
    void Watch();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Apply(const WindowSize::Answer& answer);

    QWidget* window;
    WindowSize rule;
};
