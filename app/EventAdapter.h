#pragma once

#include <QObject>

class Form1;

// Turns Qt's signals and events into the events Form1's handlers are written
// for: Click (with a bit button's index), Timer and Change.
class EventAdapter : public QObject {
    Q_OBJECT

  public:
    explicit EventAdapter(Form1* form);

    // Runs one handler. An arithmetic error ends that handler, leaves the
    // views as they stand and is reported in one line; the program goes on.
    template <typename Handler> void Run(Handler handler);

  private:
    Form1* form;
};
