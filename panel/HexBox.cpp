// The hexadecimal box: takes hexadecimal digits as capitals, and sets every
// other view from its text at each key release.
#include "Form1.h"

#include "Controls.h"

using namespace value;

namespace {

// The text without a leading "0x" or "0X" that something follows.
Text WithoutPrefix(const Text& t) {
    return t.size() > 2 && (t.starts_with(u"0x") || t.starts_with(u"0X")) ? t.substr(2) : t;
}

} // namespace

void Form1::TxtBoxHex_GotFocus() {
    EnterBox(TxtBoxHex);
}

void Form1::TxtBoxHex_LostFocus() {
    LeaveBox(TxtBoxHex, u"0x0");
}

void Form1::TxtBoxHex_KeyPress(std::int16_t& KeyAscii) {
    const Text t = Trim(TextOf(TxtBoxHex));
    if (KeyAscii == 27 && t != u"0")
        SetText(TxtBoxHex, u"0");
    if (KeyAscii == 13)
        TxtBoxDec->setFocus();
    // The prefix is typed again after Esc has left "0".
    if ((KeyAscii == u'x' || KeyAscii == u'X') && t == u"0")
        return;
    if (KeyAscii == 8)
        return;
    if (SignificantLength(WithoutPrefix(t)) >= 8 && !TxtBoxHex->hasSelectedText()) {
        KeyAscii = 0;
        return;
    }
    if (KeyAscii >= u'a' && KeyAscii <= u'f')
        KeyAscii -= 32;
    if (!(KeyAscii >= u'A' && KeyAscii <= u'F') && !(KeyAscii >= u'0' && KeyAscii <= u'9')) {
        KeyAscii = 0;
        return;
    }
    // A digit typed over a selection may not make more than 8 significant digits.
    Text after = TextOf(TxtBoxHex);
    if (TxtBoxHex->hasSelectedText()) {
        after.replace(static_cast<std::size_t>(TxtBoxHex->selectionStart()),
                      static_cast<std::size_t>(TxtBoxHex->selectedText().size()), 1,
                      static_cast<char16_t>(KeyAscii));
        if (SignificantLength(WithoutPrefix(Trim(after))) > 8)
            KeyAscii = 0;
    }
}

// Only a text of the shape typing gives is converted: any other (a toolkit
// paste of "50x12", say) reads differently as decimal and as binary, so it
// turns the box red and changes no other view.
void Form1::TxtBoxHex_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
    CopyOrPaste(TxtBoxHex, KeyCode, Shift, IsHexStr);
    const Text t = Trim(TextOf(TxtBoxHex));
    if (IsHexEntry(t)) {
        EnterBox(TxtBoxHex);
        SetValueFromHex(t);
        SetStringBak();
    } else {
        SetBackColor(TxtBoxHex, colours::Red);
        SetStringBakOf(TxtBoxHex);
    }
}

void Form1::SetValueFromHex(const Text& t) {
    SetText(LableBin, HexStr2BinStr(t));
    SetText(TxtBoxDec, DecimalDigits(HexStr2DecDoubleValue(t)));
    SetcmdBitStatus(GetFormatBinStr(TextOf(LableBin)));
    SetKB_MB_GB(Trim(TextOf(TxtBoxDec)));
}
