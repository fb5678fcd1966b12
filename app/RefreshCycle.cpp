// SPDX-License-Identifier: GPL-3.0-or-later
// The refresh cycle takes up what changed a box without a key release there:
// a context-menu edit, a drop, the default written on leaving a box empty.
// One box a tick, so that a refused text costs no other box its edit. It
// leaves a box alone while a key is down there (the key's release takes its
// text up), and sleeps once every box agrees with its backup: any change of a
// box text wakes it.
#include "Form1.h"

#include "Controls.h"

#include <QSignalBlocker>
#include <QTimer>

using namespace value;

void Form1::Timer1_Timer() {
    for (std::size_t i = 0; i < entryBoxes.size(); ++i) {
        const bool keyDown = keystrokes.IsKeyDown(static_cast<Keystrokes::Box>(i));
        if (keyDown && TextOf(Control(entryBoxes[i])) != Backup(entryBoxes[i]))
            return;
    }
    for (EntryBox& box : entryBoxes) {
        QLineEdit* control = Control(box);
        if (TextOf(control) == Backup(box))
            continue;
        const Text s = Trim(TextOf(control));
        if (box.validator(s).empty()) {
            PutBack(box);
            return;
        }
        Paint(box, box.marks.TakenUp(box.cycleColours));
        WriteOtherViews(box, s);
        if (box.takesFocus && !control->isHidden())
            control->setFocus();
        SetStringBak();
        return;
    }
    Timer1->stop();
}

// The backup goes back as one change: a backup that was refused is red again,
// painted once. The timer runs, so the text change has nothing to wake.
void Form1::PutBack(EntryBox& box) {
    {
        const QSignalBlocker quiet(Control(box));
        SetText(Control(box), Backup(box));
    }
    Paint(box, box.marks.PutBack());
}

void Form1::WakeTimer1() {
    if (!Timer1->isActive())
        Timer1->start();
}
