#pragma once

#include "Form1.h"

#include <QObject>

#include <cstdint>

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
    // Passes one character through the box's KeyPress handler and inserts
    // what it leaves, over the selection as typing does.
    void Type(const Box& box, char16_t character);
    void FocusIn(const Box& box);
    void FocusOut(const Box& box);

    Form1* form;
    // The box the window's focus is in, as the handlers know it: it stays
    // while the window is inactive or a context menu is open.
    QLineEdit* focused = nullptr;
};
