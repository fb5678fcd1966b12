// The refresh cycle takes up what changed a box without a key release there:
// a context-menu edit, a drop, the default written on leaving a box empty.
// One box a tick, so that a refused text costs no other box its edit.
#include "Form1.h"

#include "Controls.h"

using namespace value;

void Form1::Timer1_Timer() {
    for (const EntryBox& box : EntryBoxes) {
        if (TextOf(box.control) == *box.backup)
            continue;
        const Text s = Trim(TextOf(box.control));
        if (box.validator(s).empty()) {
            SetText(box.control, *box.backup);
            return;
        }
        if (box.cycleColours)
            SetBackColor(box.control, colours::LightCyan);
        SetValueFrom(box, s);
        SetStringBak();
        return;
    }
}
