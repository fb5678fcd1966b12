// SPDX-License-Identifier: GPL-3.0-or-later
// The value shown as a byte count in the three size boxes.
#include "Form1.h"

#include "Controls.h"

using namespace value;

void Form1::SetKB_MB_GB(const Text& InDecStr) {
    for (const EntryBox& box : EntryBoxes) {
        if (box.InSizePanel()) {
            box.written = SizeFieldText(DecStr2DoubleValue(InDecStr) / box.unit);
            SetText(box.control, box.written);
        }
    }
}
