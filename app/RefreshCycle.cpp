// SPDX-License-Identifier: GPL-3.0-or-later
// The refresh cycle takes up what changed a box without a key release there:
// a context-menu edit, a drop, the default written on leaving a box empty.
// One box a tick, so that a refused text costs no other box its edit. It
// leaves a box alone while a key is down there (the key's release takes its
// text up), and sleeps once every box agrees with its backup: any change of a
// box text wakes it.
#include "Form1.h"

#include "Controls.h"

#include <QTimer>

using namespace value;

void Form1::Timer1_Timer() {
    for (std::size_t i = 0; i < EntryBoxes.size(); ++i) {
        const bool keyDown = keystrokes.IsKeyDown(static_cast<Keystrokes::Box>(i));
        if (keyDown && TextOf(Control(EntryBoxes[i])) != EntryStates[i].backup)
            return;
    }
    for (const EntryBox& box : EntryBoxes) {
        QLineEdit* control = Control(box);
        EntryState& state = State(box);
        if (TextOf(control) == state.backup)
            continue;
        const Text s = Trim(TextOf(control));
        if (box.validator(s).empty()) { // a backup that was refused is red again
            SetText(control, state.backup);
            if (state.backupRefused)
                SetRefused(box, state, true);
            return;
        }
        if (box.cycleColours)
            SetBackColor(control, colours::LightCyan);
        SetValueFrom(box, s);
        if (box.takesFocus && !control->isHidden())
            control->setFocus();
        SetStringBak();
        return;
    }
    Timer1->stop();
}

void Form1::WakeTimer1() {
    if (!Timer1->isActive())
        Timer1->start();
}
