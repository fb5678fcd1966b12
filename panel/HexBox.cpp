// SPDX-License-Identifier: GPL-3.0-or-later
// The hexadecimal box: its text converts digit by digit, so the binary label
// takes it whole, without a limit on its digits.
#include "Form1.h"

#include "Controls.h"

using namespace value;

void Form1::WriteViewsFromHex(const Text& t) {
    SetText(LableBin, HexStr2BinStr(t));
    SetText(TxtBoxDec, DecimalDigits(HexStr2DecDoubleValue(t)));
    SetcmdBitStatus(GetFormatBinStr(TextOf(LableBin)));
    SetKB_MB_GB(Trim(TextOf(TxtBoxDec)));
}
