// The refresh cycle: every tick takes up the first box whose text differs
// from its backup, which only edits made without a key release in the box
// leave behind (a context-menu paste, a default text written on leaving a
// box, the hexadecimal text a bit-button click writes). One box a tick: an
// accepted text sets every other view and records the backups, a refused
// one gets its backup back.
#include "Form1.h"

#include "Controls.h"

using namespace value;

void Form1::Timer1_Timer() {
    if (TextOf(TxtBoxHex) != HexStrBak) {
        // The box keeps its text as entered ("0x1f" stays "0x1f").
        const Text s = Trim(TextOf(TxtBoxHex));
        if (Refused(TxtBoxHex, IsHexStr(s), HexStrBak))
            return;
        SetValueFromHex(s);
    } else if (TextOf(TxtBoxDec) != DecStrBak) {
        const Text s = Trim(TextOf(TxtBoxDec));
        if (Refused(TxtBoxDec, IsDecStr(s), DecStrBak))
            return;
        SetBackColor(TxtBoxDec, colours::LightCyan);
        SetValueFromDec(s);
    } else if (TextOf(txtKsize) != KsizeStrBak) {
        if (Refused(txtKsize, IsKBStr(Trim(TextOf(txtKsize))), KsizeStrBak))
            return;
        SetValueFromSize(txtKsize);
    } else if (TextOf(TxtMsize) != MsizeStrBak) {
        if (Refused(TxtMsize, IsMBStr(Trim(TextOf(TxtMsize))), MsizeStrBak))
            return;
        SetBackColor(TxtMsize, colours::LightCyan);
        SetValueFromSize(TxtMsize);
    } else if (TextOf(txtGsize) != GsizeStrBak) {
        if (Refused(txtGsize, IsGBStr(Trim(TextOf(txtGsize))), GsizeStrBak))
            return;
        SetBackColor(txtGsize, colours::LightCyan);
        SetValueFromSize(txtGsize);
        txtGsize->setFocus();
    } else {
        return;
    }
    SetStringBak();
}

bool Form1::Refused(QLineEdit* box, const Text& validated, const Text& backup) {
    if (!validated.empty())
        return false;
    SetText(box, backup);
    return true;
}

// The hexadecimal box, the binary label and the bit buttons from a bit pattern.
void Form1::SetRegisterViews(std::int32_t p) {
    SetText(TxtBoxHex, u"0x" + HexVal2HexStr(p));
    SetText(LableBin, HexValue2BinStr(p));
    SetcmdBitStatus(GetFormatBinStr(TextOf(LableBin)));
}

void Form1::SetDecFromHex() {
    SetText(TxtBoxDec, DecimalDigits(HexStr2DecDoubleValue(Trim(TextOf(TxtBoxHex)))));
}
