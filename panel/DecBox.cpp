// The decimal box: takes decimal digits, and sets every other view from its
// number at each key release while the number lies in 0 to 4294967295.
#include "Form1.h"

#include "Controls.h"

using namespace value;

namespace {
constexpr double DecLimit = 4294967296.0;
}

void Form1::TxtBoxDec_GotFocus() {
    EnterBox(TxtBoxDec);
    if (IsOutOfRange(Trim(TextOf(TxtBoxDec)), DecLimit))
        SetBackColor(TxtBoxDec, colours::Red);
}

void Form1::TxtBoxDec_LostFocus() {
    LeaveBox(TxtBoxDec, u"0");
}

// Enter goes on to the size panel while it is shown, else back to the
// hexadecimal box.
void Form1::TxtBoxDec_KeyPress(std::int16_t& KeyAscii) {
    QWidget* next = Trim(TextOf(cmdOpt)) == u"<<" ? TxtBoxHex : txtKsize;
    FilterDigitKey(TxtBoxDec, KeyAscii, 10, u'9', next);
}

// An out-of-range number only turns the box red; it is recorded as the box's
// backup all the same, so that the refresh cycle leaves it in place.
void Form1::TxtBoxDec_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
    CopyOrPaste(TxtBoxDec, KeyCode, Shift, IsDecStr);
    const Text t = Trim(TextOf(TxtBoxDec));
    if (IsOutOfRange(t, DecLimit)) {
        SetBackColor(TxtBoxDec, colours::Red);
        SetStringBakOf(TxtBoxDec);
    } else {
        EnterBox(TxtBoxDec);
        SetValueFromDec(t);
        SetStringBak();
    }
}

void Form1::SetValueFromDec(const Text& t) {
    SetRegisterViews(DoubleValue2LongValue(DecStr2DoubleValue(t)));
    SetKB_MB_GB(Trim(TextOf(TxtBoxDec)));
}
