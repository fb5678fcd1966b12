// What the five entry boxes share: the copy and paste chords, the digit
// filter, and the colours and default text on entering and leaving a box.
#include "Form1.h"

#include "Controls.h"

using namespace value;

namespace {
constexpr std::int16_t ShiftMask = 1, CtrlMask = 2;
constexpr std::int16_t KeyInsert = 45, KeyC = 67, KeyV = 86;
} // namespace

// The modifier mask must match exactly: Ctrl+Shift+C is no copy.
Boolean Form1::IsCopyKey(std::int16_t& KeyCode, std::int16_t& Shift) {
    return Shift == CtrlMask && (KeyCode == KeyC || KeyCode == KeyInsert) ? True : False;
}

Boolean Form1::IsPasterKey(std::int16_t& KeyCode, std::int16_t& Shift) {
    return (Shift == CtrlMask && KeyCode == KeyV) || (Shift == ShiftMask && KeyCode == KeyInsert)
               ? True
               : False;
}

// A copy takes the whole text, spaces included, whatever is selected; a paste
// replaces the whole text, and only with a text the box's validator accepts.
void Form1::CopyOrPaste(QLineEdit* box, std::int16_t& KeyCode, std::int16_t& Shift,
                        Text (*validator)(Text)) {
    if (IsCopyKey(KeyCode, Shift) == True) {
        ClearClipboard();
        SetClipboardText(TextOf(box));
    } else if (IsPasterKey(KeyCode, Shift) == True) {
        const Text pasted = validator(Trim(ClipboardText()));
        if (!pasted.empty())
            SetText(box, pasted);
    }
}

void Form1::FilterDigitKey(QLineEdit* box, std::int16_t& KeyAscii, int lengthLimit,
                           char16_t highestDigit, QWidget* next) {
    const Text t = Trim(TextOf(box));
    if (KeyAscii == 27 && t != u"0")
        SetText(box, u"0");
    if (KeyAscii == 13)
        next->setFocus();
    if (KeyAscii == 8)
        return;
    // Leading zeros do not count, and a selection lifts the limit.
    if (static_cast<int>(t.size()) >= lengthLimit && SignificantLength(t) >= lengthLimit &&
        !box->hasSelectedText()) {
        KeyAscii = 0;
        return;
    }
    if (KeyAscii < u'0' || KeyAscii > highestDigit)
        KeyAscii = 0;
}

void Form1::EnterBox(QLineEdit* box) {
    SetBackColor(box, colours::LightCyan);
}

// An emptied box gets its default text back; the refresh cycle takes it up.
void Form1::LeaveBox(QLineEdit* box, const Text& defaultText) {
    SetBackColor(box, colours::White);
    if (TextOf(box).empty())
        SetText(box, defaultText);
}
