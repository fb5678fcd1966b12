// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Form1.h"

#include <QObject>

#include <functional>

class QInputMethodEvent;
class QKeyEvent;

// Turns Qt's signals and events into the events Form1's handlers are written
// for: Click (with a bit button's index), Timer, and for the five entry boxes
// GotFocus, LostFocus, KeyPress (a character code the handler may replace, or
// set to 0 to cancel) and KeyUp (a virtual-key code and a modifier mask).
// Which handlers an event runs is the keystroke model's to say; this only
// translates and runs what it answers.
class EventAdapter : public QObject {
    Q_OBJECT

  public:
    explicit EventAdapter(Form1* form);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Runs one handler. An arithmetic error ends that handler, leaves the
    // views as they stand and is reported in one line; the program goes on.
    template <typename Function> void RunHandler(Function handler);
    // Runs the calls of the keystroke model's answer; beforeKeyUp, if any,
    // just before a KeyUp. Returns true when the box must not see the event
    // itself.
    bool RunAnswer(const Keystrokes::Answer& answer, const std::function<void()>& beforeKeyUp = {});
    void BitClicked(std::int16_t index);

    Keystrokes::Press PressOf(Keystrokes::Box box, const QKeyEvent* event) const;
    bool InputMethod(Keystrokes::Box box, QInputMethodEvent* event);
    std::vector<Keystrokes::Text> BoxTexts() const;

    Form1* form;
    Keystrokes& model;
};
