// SPDX-License-Identifier: GPL-3.0-or-later
// A size box's own rule for the other views: the decimal box from the
// hexadecimal one, and the other two sizes from its units, whole or rounded
// to four decimals ("1.5000" MB for 1536 KB).
#include "Form1.h"

#include "Controls.h"

using namespace value;

void Form1::WriteViewsFromSize(const EntryBox& from, double units) {
    SetText(TxtBoxDec, DecimalDigits(HexStr2DecDoubleValue(Trim(TextOf(TxtBoxHex)))));
    for (EntryBox& other : entryBoxes) {
        if (other.InSizePanel() && &other != &from)
            WriteSize(other, ConvertedSizeText(units, from.rules.unit, other.rules.unit));
    }
}
