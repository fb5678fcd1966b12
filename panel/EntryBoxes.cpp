// What the five entry boxes share, each applied to the box's row: the key
// filter, the work at a key release, copy and paste, and the colours and
// default text on entering and leaving a box.
#include "Form1.h"

#include "Controls.h"

using namespace value;

// A range test on entry tells at once that the box holds a number it cannot take.
void Form1::GotFocus(const EntryBox& box) {
    SetBackColor(box.control, colours::LightCyan);
    // A size with a point is selected whole, so that typing replaces it.
    if (box.selectsPointOnFocus && IsDot(TextOf(box.control)) == True)
        box.control->selectAll();
    if (box.rangeOnFocus && IsOutOfRange(Trim(TextOf(box.control)), box.rules.limit))
        SetBackColor(box.control, colours::Red);
}

// An emptied box gets its default text back; the refresh cycle takes it up.
void Form1::LostFocus(const EntryBox& box) {
    SetBackColor(box.control, colours::White);
    if (TextOf(box.control).empty())
        SetText(box.control, box.defaultText);
}

void Form1::KeyPress(const EntryBox& box, Int16& KeyAscii) {
    const QLineEdit* control = box.control;
    const auto caret = static_cast<std::size_t>(control->cursorPosition());
    const auto selection = static_cast<std::size_t>(control->selectedText().size());
    const KeyOutcome outcome = FilterKey(
        box.rules,
        {TextOf(control), caret,
         selection ? static_cast<std::size_t>(control->selectionStart()) : caret, selection},
        KeyAscii);
    if (outcome.resetsToZero)
        SetText(box.control, u"0");
    if (outcome.movesOn) {
        // Enter into the size panel while it is hidden goes back to the top.
        const bool hidden = Trim(TextOf(cmdOpt)) == u"<<";
        const bool intoPanel = !box.InSizePanel() && Row(box.enterTarget).InSizePanel();
        (intoPanel && hidden ? TxtBoxHex : box.enterTarget)->setFocus();
    }
    KeyAscii = outcome.KeyAscii;
}

// A refused text (out of range, or not the shape typing gives) only turns the
// box red. It is recorded as the box's backup, so that the refresh cycle
// leaves it in place, but no other box's: a text pending there (the default
// written on leaving it, a context-menu edit) stays for the cycle to check.
void Form1::KeyUp(const EntryBox& box, Int16& KeyCode, Int16& Shift) {
    CopyOrPaste(box, KeyCode, Shift);
    const Text t = Trim(TextOf(box.control));
    if (!IsEntry(box.rules, t)) {
        SetBackColor(box.control, colours::Red);
        *box.backup = TextOf(box.control);
        return;
    }
    SetBackColor(box.control, colours::LightCyan);
    SetValueFrom(box, t);
    SetStringBak();
}

// A copy takes the whole text, spaces included, whatever is selected; a paste
// replaces the whole text, and only with a text the box's validator accepts.
void Form1::CopyOrPaste(const EntryBox& box, Int16& KeyCode, Int16& Shift) {
    if (IsCopyKey(KeyCode, Shift) == True) {
        ClearClipboard();
        SetClipboardText(TextOf(box.control));
    } else if (IsPasterKey(KeyCode, Shift) == True) {
        const Text pasted = box.validator(Trim(ClipboardText()));
        if (!pasted.empty())
            SetText(box.control, pasted);
    }
}

// The box keeps its text as entered ("0x1f" stays "0x1f", "007" stays "007").
void Form1::SetValueFrom(const EntryBox& box, const Text& t) {
    if (box.rules.IsHexadecimal())
        SetValueFromHex(t);
    else
        SetValueFromUnits(box, t);
}

// The decimal box is a whole-number box too, of unit 1; it fills the size
// boxes with the value's sizes, a size box fills the others by its own rule.
void Form1::SetValueFromUnits(const EntryBox& box, const Text& t) {
    const double units = DecStr2DoubleValue(t);
    SetRegisterViews(DoubleValue2LongValue(units * box.unit));
    if (box.InSizePanel())
        SetViewsFromSize(box, units);
    else
        SetKB_MB_GB(Trim(TextOf(TxtBoxDec)));
}
