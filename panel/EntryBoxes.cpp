// SPDX-License-Identifier: GPL-3.0-or-later
// The five entry boxes, each described once, and what they share: the key
// filter, the work at a key release, copy and paste, and the marks and
// default text on entering and leaving a box.
#include "Form1.h"

#include "Controls.h"

#include <QTimer>

using namespace value;

// The five in the refresh cycle's order.
const std::array<Form1::EntryBox, 5> Form1::EntryBoxesAtStart{{
    {.control = &Form1::TxtBoxHex,
     .defaultText = u"0x0",
     .rules = value::HexEntry,
     .validator = value::IsHexStr,
     .enterTarget = &Form1::TxtBoxDec,
     .colourAtStart = BoxMarks::Colour::White,
     .GotFocus = &Form1::TxtBoxHex_GotFocus,
     .LostFocus = &Form1::TxtBoxHex_LostFocus,
     .KeyPress = &Form1::TxtBoxHex_KeyPress,
     .KeyUp = &Form1::TxtBoxHex_KeyUp,
     .backup = &Form1::HexStrBak},
    {.control = &Form1::TxtBoxDec,
     .defaultText = u"0",
     .rules = value::DecEntry,
     .validator = value::IsDecStr,
     .enterTarget = &Form1::txtKsize,
     .rangeOnFocus = true,
     .cycleColours = true,
     .GotFocus = &Form1::TxtBoxDec_GotFocus,
     .LostFocus = &Form1::TxtBoxDec_LostFocus,
     .KeyPress = &Form1::TxtBoxDec_KeyPress,
     .KeyUp = &Form1::TxtBoxDec_KeyUp,
     .backup = &Form1::DecStrBak},
    {.control = &Form1::txtKsize,
     .defaultText = u"0",
     .rules = value::KBEntry,
     .validator = value::IsKBStr,
     .enterTarget = &Form1::TxtMsize,
     .rangeOnFocus = true,
     .selectsPointOnEntry = true,
     .GotFocus = &Form1::txtKsize_GotFocus,
     .LostFocus = &Form1::txtKsize_LostFocus,
     .KeyPress = &Form1::txtKsize_KeyPress,
     .KeyUp = &Form1::txtKsize_KeyUp,
     .backup = &Form1::KsizeStrBak},
    {.control = &Form1::TxtMsize,
     .defaultText = u"0",
     .rules = value::MBEntry,
     .validator = value::IsMBStr,
     .enterTarget = &Form1::txtGsize,
     .rangeOnFocus = true,
     .selectsPointOnEntry = true,
     .cycleColours = true,
     .GotFocus = &Form1::TxtMsize_GotFocus,
     .LostFocus = &Form1::TxtMsize_LostFocus,
     .KeyPress = &Form1::TxtMsize_KeyPress,
     .KeyUp = &Form1::TxtMsize_KeyUp,
     .backup = &Form1::MsizeStrBak},
    {.control = &Form1::txtGsize,
     .defaultText = u"0",
     .rules = value::GBEntry,
     .validator = value::IsGBStr,
     .enterTarget = &Form1::TxtBoxHex,
     .selectsPointOnEntry = true,
     .cycleColours = true,
     .takesFocus = true,
     .GotFocus = &Form1::txtGsize_GotFocus,
     .LostFocus = &Form1::txtGsize_LostFocus,
     .KeyPress = &Form1::txtGsize_KeyPress,
     .KeyUp = &Form1::txtGsize_KeyUp,
     .backup = &Form1::GsizeStrBak},
}};

auto Form1::Box(const QLineEdit* control) -> EntryBox& {
    for (EntryBox& box : entryBoxes) {
        if (Control(box) == control)
            return box;
    }
    Q_UNREACHABLE();
}

void Form1::Paint(const EntryBox& box, BoxMarks::Answer paint) {
    if (paint)
        PaintBox(Control(box), paint->colour, paint->readerTold);
}

// Entering a box tells at once that it holds a text refused, or a number it
// cannot take; a size the program wrote is never red on entry.
void Form1::GotFocus(EntryBox& box) {
    QLineEdit* control = Control(box);
    const Text t = Trim(TextOf(control));
    Paint(box, box.marks.Entered(box.rangeOnFocus && LeadingNumber(t) >= box.rules.limit));
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
}

// An emptied box gets its default text back; the refresh cycle takes it up.
void Form1::LostFocus(EntryBox& box) {
    Paint(box, box.marks.Left());
    if (TextOf(Control(box)).empty())
        SetText(Control(box), box.defaultText);
}

void Form1::TextChanged(EntryBox& box) {
    WakeTimer1();
    Paint(box, box.marks.TextChanged());
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
        const bool intoPanel = !box.InSizePanel() && Box(target).InSizePanel();
        (intoPanel && !SizePanelShown() ? TxtBoxHex : target)->setFocus();
    }
    KeyAscii = outcome.KeyAscii;
}

// A refused text (out of range, or not the shape typing gives) changes no
// value. It is recorded as the box's backup, so that the refresh cycle leaves
// it in place, but no other box's: a text pending there (the default written
// on leaving it, a context-menu edit) stays for the cycle to check.
void Form1::KeyUp(EntryBox& box, Int16& KeyCode, Int16& Shift) {
    CopyOrPaste(box, KeyCode, Shift);
    const Text text = TextOf(Control(box));
    const bool accepted = IsEntry(box.rules, Trim(text));
    Paint(box, box.marks.Released(text, accepted));
    if (!accepted) {
        Backup(box) = text;
        box.marks.Recorded();
        return;
    }
    WriteOtherViews(box, Trim(text));
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

// The box the value came from keeps its text as entered: "0x1f" stays "0x1f",
// "007" stays "007", so that what was typed is never rewritten under the caret.
void Form1::WriteOtherViews(const EntryBox& from, const Text& t) {
    if (from.rules.IsHexadecimal())
        WriteViewsFromHex(t);
    else
        WriteViewsFromUnits(from, t);
}

// The decimal box is a whole-number box too, of unit 1; it fills the size
// boxes with the value's sizes, a size box fills the others by its own rule.
void Form1::WriteViewsFromUnits(const EntryBox& from, const Text& t) {
    const double units = DecStr2DoubleValue(t);
    WriteRegisterViews(DoubleValue2LongValue(units * from.rules.unit));
    if (from.InSizePanel())
        WriteViewsFromSize(from, units);
    else
        SetKB_MB_GB(Trim(TextOf(TxtBoxDec)));
}
