// SPDX-License-Identifier: GPL-3.0-or-later
// The value shown as a byte count in the three size boxes.
#include "Form1.h"

#include "Controls.h"

using namespace value;

void Form1::SetKB_MB_GB(const Text& InDecStr) {
    for (EntryBox& box : entryBoxes) {
        if (box.InSizePanel())
            WriteSize(box, SizeText(InDecStr, box.rules));
    }
}

// A size the program wrote is no typing: a key that leaves it unchanged does
// not mark it refused.
void Form1::WriteSize(EntryBox& box, const Text& size) {
    box.marks.Wrote(size);
    SetText(Control(box), size);
}
