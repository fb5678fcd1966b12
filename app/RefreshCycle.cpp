// The refresh cycle: every tick takes up the first box whose text differs
// from its backup, which only edits made without a key release in the box
// leave behind (a context-menu paste, a default text written on leaving a
// box, the hexadecimal text a bit-button click writes). One box a tick.
#include "Form1.h"

#include "Controls.h"

using namespace value;

void Form1::Timer1_Timer() {
    if (TextOf(TxtBoxHex) != HexStrBak)
        RefreshFromHex();
    else if (TextOf(TxtBoxDec) != DecStrBak)
        RefreshFromDec();
    else if (TextOf(txtKsize) != KsizeStrBak)
        RefreshFromKsize();
    else if (TextOf(TxtMsize) != MsizeStrBak)
        RefreshFromMsize();
    else if (TextOf(txtGsize) != GsizeStrBak)
        RefreshFromGsize();
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

// The box keeps its text as entered ("0x1f" stays "0x1f").
void Form1::RefreshFromHex() {
    const Text s = Trim(TextOf(TxtBoxHex));
    if (IsHexStr(s).empty()) {
        SetText(TxtBoxHex, HexStrBak);
        return;
    }
    SetText(LableBin, HexStr2BinStr(s));
    SetText(TxtBoxDec, DecimalDigits(HexStr2DecDoubleValue(s)));
    SetcmdBitStatus(GetFormatBinStr(TextOf(LableBin)));
    SetKB_MB_GB(Trim(TextOf(TxtBoxDec)));
    SetStringBak();
}

// The box keeps its text as entered ("007" stays "007").
void Form1::RefreshFromDec() {
    const Text s = Trim(TextOf(TxtBoxDec));
    if (IsDecStr(s).empty()) {
        SetText(TxtBoxDec, DecStrBak);
        return;
    }
    SetBackColor(TxtBoxDec, colours::LightCyan);
    SetRegisterViews(DoubleValue2LongValue(DecStr2DoubleValue(s)));
    SetKB_MB_GB(Trim(TextOf(TxtBoxDec)));
    SetStringBak();
}

void Form1::RefreshFromKsize() {
    const Text k = IsKBStr(Trim(TextOf(txtKsize)));
    if (k.empty()) {
        SetText(txtKsize, KsizeStrBak);
        return;
    }
    SetRegisterViews(DoubleValue2LongValue(DecStr2DoubleValue(k) * 1024));
    SetDecFromHex();
    const double v = DecStr2DoubleValue(Trim(TextOf(txtKsize)));
    SetText(TxtMsize, QuotientText(v, 1024));
    SetText(txtGsize, QuotientText(v, 1048576));
    SetStringBak();
}

void Form1::RefreshFromMsize() {
    const Text s = Trim(TextOf(TxtMsize));
    if (IsMBStr(s).empty()) {
        SetText(TxtMsize, MsizeStrBak);
        return;
    }
    SetBackColor(TxtMsize, colours::LightCyan);
    SetRegisterViews(DoubleValue2LongValue(DecStr2DoubleValue(s) * 1024 * 1024));
    SetDecFromHex();
    const double v = DecStr2DoubleValue(Trim(TextOf(TxtMsize)));
    SetText(txtKsize, DecimalDigits(v * 1024));
    SetText(txtGsize, QuotientText(v, 1024));
    SetStringBak();
}

void Form1::RefreshFromGsize() {
    const Text s = Trim(TextOf(txtGsize));
    if (IsGBStr(s).empty()) {
        SetText(txtGsize, GsizeStrBak);
        return;
    }
    SetBackColor(txtGsize, colours::LightCyan);
    SetRegisterViews(DoubleValue2LongValue(DecStr2DoubleValue(s) * 1024 * 1024 * 1024));
    SetDecFromHex();
    const double v = DecStr2DoubleValue(Trim(TextOf(txtGsize)));
    SetText(txtKsize, DecimalDigits(v * 1024 * 1024));
    SetText(TxtMsize, DecimalDigits(v * 1024));
    txtGsize->setFocus();
    SetStringBak();
}
