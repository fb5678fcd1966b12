// SPDX-License-Identifier: GPL-3.0-or-later
// A size box's own rule for the other views: the decimal box from the
// hexadecimal one, and the other two sizes from its units, whole or rounded
// to four decimals ("1.5000" MB for 1536 KB).
#include "Form1.h"

#include "Controls.h"

using namespace value;

void Form1::SetViewsFromSize(const EntryBox& box, double units) {
    SetText(TxtBoxDec, DecimalDigits(HexStr2DecDoubleValue(Trim(TextOf(TxtBoxHex)))));
    for (const EntryBox& other : EntryBoxes) {
        if (other.InSizePanel() && &other != &box)
            WriteSize(other, ConvertedSizeText(units, box.rules.unit, other.rules.unit));
    }
}
