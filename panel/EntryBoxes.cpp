// SPDX-License-Identifier: GPL-3.0-or-later
// What the five entry boxes share, each applied to the box's row: the key
// filter, the work at a key release, copy and paste, and the colours and
// default text on entering and leaving a box.
#include "Form1.h"

#include "Controls.h"

#include <QTimer>

using namespace value;

// Entering a box tells at once that it holds a text refused, or a number it
// cannot take; a size the program wrote is never red on entry.
void Form1::GotFocus(const EntryBox& box, const EntryState& state) {
    QLineEdit* control = Control(box);
    SetBackColor(control, colours::LightCyan);
    // A size with a point is selected whole, so that typing replaces it; once
    // more after a mouse press, which places the caret after the focus came.
    const auto selectPoint = [control] {
        if (control->hasFocus() && IsDot(TextOf(control)) == True)
            control->selectAll();
    };
    if (box.selectsPointOnEntry) {
        selectPoint();
        QTimer::singleShot(0, control, selectPoint);
    }
    const Text t = Trim(TextOf(control));
    if (state.refused || (box.rangeOnFocus && LeadingNumber(t) >= box.rules.limit))
        SetBackColor(control, colours::Red);
}

// An emptied box gets its default text back; the refresh cycle takes it up.
void Form1::LostFocus(const EntryBox& box, const EntryState& state) {
    SetBackColor(Control(box), state.refused ? colours::Red : colours::White);
    if (TextOf(Control(box)).empty())
        SetText(Control(box), box.defaultText);
}

// A new text is neither the refused one nor a size kept red while the focus
// stays: its colour goes with the old text.
void Form1::TextChanged(const EntryBox& box, EntryState& state) {
    WakeTimer1();
    if (state.refused || BackColor(Control(box)) == colours::Red)
        SetRefused(box, state, false);
}

void Form1::SetRefused(const EntryBox& box, EntryState& state, bool refused) {
    state.refused = refused;
    SetBackColor(Control(box), refused                    ? colours::Red
                               : Control(box)->hasFocus() ? colours::LightCyan
                                                          : colours::White);
}

void Form1::KeyPress(const EntryBox& box, Int16& KeyAscii) {
    const QLineEdit* control = Control(box);
    const auto caret = static_cast<std::size_t>(control->cursorPosition());
    const auto selection = static_cast<std::size_t>(control->selectedText().size());
    const KeyOutcome outcome = FilterKey(
        box.rules,
        {TextOf(control), caret,
         selection ? static_cast<std::size_t>(control->selectionStart()) : caret, selection},
        KeyAscii);
    if (outcome.resetsToZero)
        SetText(Control(box), u"0");
    if (outcome.movesOn) {
        // Enter into the size panel while it is hidden goes back to the top.
        QLineEdit* target = this->*box.enterTarget;
        const bool intoPanel = !box.InSizePanel() && Row(target).InSizePanel();
        (intoPanel && !SizePanelShown() ? TxtBoxHex : target)->setFocus();
    }
    KeyAscii = outcome.KeyAscii;
}

// A refused text (out of range, or not the shape typing gives) only turns the
// box red and marks it so until the text changes. It is recorded as the
// box's backup, so that the refresh cycle leaves it in place, but no other
// box's: a text pending there (the default written on leaving it, a
// context-menu edit) stays for the cycle to check. A size the program wrote,
// under a key that changed nothing, is red only while the focus stays.
void Form1::KeyUp(const EntryBox& box, EntryState& state, Int16& KeyCode, Int16& Shift) {
    CopyOrPaste(box, KeyCode, Shift);
    const Text text = TextOf(Control(box));
    if (!IsEntry(box.rules, Trim(text))) {
        state.refused = text != state.written;
        SetBackColor(Control(box), colours::Red);
        state.backup = text;
        state.backupRefused = state.refused;
        return;
    }
    SetRefused(box, state, false);
    SetValueFrom(box, Trim(text));
    SetStringBak();
}

// A copy takes the whole text, spaces included, whatever is selected; a paste
// replaces the whole text, and only with a text the box's validator accepts,
// line ends and tabs around it left out.
void Form1::CopyOrPaste(const EntryBox& box, Int16& KeyCode, Int16& Shift) {
    if (IsCopyKey(KeyCode, Shift) == True) {
        ClearClipboard();
        SetClipboardText(TextOf(Control(box)));
    } else if (IsPasterKey(KeyCode, Shift) == True) {
        const Text pasted = box.validator(TrimLine(ClipboardText()));
        if (!pasted.empty())
            SetText(Control(box), pasted);
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
    SetRegisterViews(DoubleValue2LongValue(units * box.rules.unit));
    if (box.InSizePanel())
        SetViewsFromSize(box, units);
    else
        SetKB_MB_GB(Trim(TextOf(TxtBoxDec)));
}
