// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Form1.h"

#include <QObject>

#include <cstdint>
#include <vector>

class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;

// Turns Qt's signals and events into the events Form1's handlers are written
// for: Click (with a bit button's index), Timer, and for the five entry boxes
// GotFocus, LostFocus, KeyPress (a character code the handler may replace, or
// set to 0 to cancel) and KeyUp (a virtual-key code and a modifier mask).
class EventAdapter : public QObject {
    Q_OBJECT

  public:
    explicit EventAdapter(Form1* form);
    // Whether a key that went down in the box is still down.
    bool IsKeyDown(const QLineEdit* box) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using Box = Form1::EntryBox;

    // Runs one handler. An arithmetic error ends that handler, leaves the
    // views as they stand and is reported in one line; the program goes on.
    template <typename Handler> void Run(Handler handler);

    bool KeyPress(const Box& box, QKeyEvent* event);
    void KeyUp(const Box& box, QKeyEvent* event);
    bool InputMethod(const Box& box, QInputMethodEvent* event);
    // Passes each character through the box's KeyPress handler and inserts
    // what it leaves, over the selection as typing does.
    void Type(const Box& box, const QString& text);
    // Ends the box's keystrokes; when they changed its text, its KeyUp
    // takes the edit up as their releases would have.
    void EndKeystrokes(const Box& box);
    void FocusIn(const Box& box);
    void FocusOut(const Box& box);

    // A key down in a box, from its press to its release or to the box's
    // loss of the focus, whichever comes first.
    struct Keystroke {
        const Box* box;
        quint32 key;       // the physical key: its scan code, or Qt's key code
        std::int16_t mask; // the modifiers held when it went down
        QString before;    // the box's text before it went down
    };

    Form1* form;
    std::vector<Keystroke> keystrokes;
    // The box the window's focus is in, as the handlers know it: it stays
    // while the window is inactive or a context menu is open.
    QLineEdit* focused = nullptr;
};
