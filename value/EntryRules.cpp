// SPDX-License-Identifier: GPL-3.0-or-later
// What the entry boxes accept: the characters a key press may type, the key
// chords that copy and paste, and the texts a key release takes as a value.
#include "TextRules.h"

namespace value {

namespace {

// The significant digits of a box text, leading zeros and a prefix left out.
int DigitCount(const EntryRules& rules, const Text& t) {
    return SignificantLength(rules.IsHexadecimal() ? WithoutHexPrefix(t) : t);
}

// A typed digit as the box takes it ("a" to "f" become capitals), or 0.
std::int16_t Digit(const EntryRules& rules, std::int16_t c) {
    if (c >= u'0' && c <= u'9' && c <= rules.highestDigit)
        return c;
    if (!rules.IsHexadecimal())
        return 0;
    if (c >= u'a' && c <= u'f')
        c = static_cast<std::int16_t>(c - 32);
    return c >= u'A' && c <= rules.highestDigit ? c : 0;
}

} // namespace

KeyOutcome FilterKey(const EntryRules& rules, const EditState& box, std::int16_t KeyAscii) {
    const Text t = Trim(box.text);
    KeyOutcome outcome{KeyAscii, KeyAscii == keys::Escape && t != u"0", KeyAscii == keys::Enter};
    // The prefix is typed again after Esc has left "0".
    if (rules.IsHexadecimal() && t == u"0" &&
        HexPrefixLength(t + static_cast<char16_t>(KeyAscii)) == 2)
        return outcome;
    if (KeyAscii == keys::Backspace)
        return outcome;
    // Leading zeros do not count, and a selection lifts the limit.
    if (DigitCount(rules, t) >= rules.digits && box.selectionLength == 0) {
        outcome.KeyAscii = 0;
        return outcome;
    }
    outcome.KeyAscii = Digit(rules, KeyAscii);
    // Nor may a hexadecimal digit make more digits than the box takes where it
    // lands: over the selection, or at the caret.
    if (outcome.KeyAscii != 0 && rules.IsHexadecimal()) {
        Text after = box.text;
        after.replace(box.selectionLength ? box.selectionStart : box.caret, box.selectionLength, 1,
                      static_cast<char16_t>(outcome.KeyAscii));
        if (DigitCount(rules, Trim(after)) > rules.digits)
            outcome.KeyAscii = 0;
    }
    return outcome;
}

bool IsOutOfRange(const Text& trimmed, double limit) {
    if (trimmed.size() > MaxTextLength)
        return true;
    for (char16_t c : trimmed) {
        if (!detail::IsDecimalDigit(c))
            return true;
    }
    return LeadingNumber(trimmed) >= limit;
}

bool IsHexEntry(const Text& trimmed) {
    const Text digits = trimmed.substr(HexPrefixLength(trimmed));
    for (char16_t c : digits) {
        if (detail::HexDigitValue(c) < 0)
            return false;
    }
    return SignificantLength(digits) <= 8;
}

bool IsEntry(const EntryRules& rules, const Text& trimmed) {
    return rules.IsHexadecimal() ? IsHexEntry(trimmed) : !IsOutOfRange(trimmed, rules.limit);
}

// The modifier mask must match exactly: Ctrl+Shift+C is no copy.
Boolean IsCopyKey(std::int16_t& KeyCode, std::int16_t& Shift) {
    return Shift == keys::CtrlMask && (KeyCode == keys::C || KeyCode == keys::Insert) ? True
                                                                                      : False;
}

Boolean IsPasterKey(std::int16_t& KeyCode, std::int16_t& Shift) {
    return (Shift == keys::CtrlMask && KeyCode == keys::V) ||
                   (Shift == keys::ShiftMask && KeyCode == keys::Insert)
               ? True
               : False;
}

} // namespace value
