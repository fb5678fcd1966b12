// SPDX-License-Identifier: GPL-3.0-or-later
#include "Keystrokes.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

namespace {

using namespace value::keys;
using Handler = Keystrokes::Handler;

bool IsPrintable(const Keystrokes::Text& text) {
    return !text.empty() && text[0] >= 0x20 && text[0] != 0x7F;
}

// The desktop's own chords, and those checked by name whatever the desktop's
// chords are.
bool IsEditingChord(const Keystrokes::Press& press) {
    const auto chord = [&](std::int16_t modifiers, std::int16_t code) {
        return press.modifiers == modifiers && press.code == code;
    };
    return press.desktopEditingChord || chord(CtrlMask, Insert) || chord(ShiftMask, Insert) ||
           chord(ShiftMask, Delete);
}

// Ctrl with these keys would edit the text past the key filter (delete a word,
// cut to the line's end or start): they type their control character, which
// the filter judges, and the box never applies them. Ctrl+Delete types nothing.
std::optional<std::u16string_view> ControlChordText(const Keystrokes::Press& press) {
    static constexpr std::pair<std::int16_t, std::u16string_view> chords[] = {
        {Backspace, u"\x7f"}, {'K', u"\x0b"}, {'U', u"\x15"},
        {'W', u"\x17"},       {'D', u"\x04"}, {Delete, u""}};
    if (press.modifiers & CtrlMask) {
        for (const auto& [code, text] : chords) {
            if (press.code == code)
                return text;
        }
    }
    return std::nullopt;
}

bool IsSurrogatePair(const Keystrokes::Text& text, std::size_t i) {
    return text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
           text[i + 1] <= 0xDFFF;
}

} // namespace

Keystrokes::Keystrokes(std::vector<bool> selectsPointOnEntry)
    : selectsPointOnEntry(std::move(selectsPointOnEntry)) {}

auto Keystrokes::Pressed(const Press& press) -> Answer {
    // Opened before any handler runs: Enter's KeyPress moves the focus, and
    // leaving the box must find the keystroke open to end it; opened after,
    // it would stay open in a box without the focus, and hold the refresh
    // cycle off that box for good.
    if (!press.autoRepeat) {
        const auto mask = static_cast<std::int16_t>(press.modifiers & ~OtherMask);
        open.push_back({press.box, press.key, mask, press.boxText});
    }
    Answer answer{{}, false};
    if (IsEditingChord(press)) {
        if (press.text.size() == 1 && press.text[0] < 0x20) // Ctrl+C, Ctrl+V, Ctrl+X
            Type(answer, press.box, press.text);
    } else if (const auto text = ControlChordText(press)) {
        Type(answer, press.box, Text(*text));
    } else if (press.modifiers & (CtrlMask | AltMask) && IsPrintable(press.text)) {
        // Alt+1 is no "1".
    } else if (press.code == Backspace) {
        answer.calls.push_back({Handler::KeyPress, press.box, Backspace});
        answer.boxApplies = true;
    } else if (press.code == Enter || press.code == Escape) { // their control characters
        Type(answer, press.box, Text(1, static_cast<char16_t>(press.code)));
    } else if (IsPrintable(press.text)) {
        Type(answer, press.box, press.text);
    } else {
        answer.boxApplies = true;
    }
    return answer;
}

auto Keystrokes::Released(const Release& release) -> Answer {
    const auto ends = [&](const Keystroke& k) {
        return k.box == release.box && k.key == release.key;
    };
    const auto keystroke = std::find_if(open.begin(), open.end(), ends);
    if (release.autoRepeat || keystroke == open.end())
        return {};
    const std::int16_t mask = keystroke->mask;
    open.erase(keystroke);
    return {{{Handler::KeyUp, release.box, release.code, mask}}};
}

auto Keystrokes::FocusIn(Box box) -> Answer {
    Answer answer;
    if (focused == box)
        return answer; // back from an inactive window or a popup
    if (focused)
        answer.calls.push_back({Handler::LostFocus, *focused});
    focused = box;
    answer.calls.push_back({Handler::GotFocus, box});
    return answer;
}

auto Keystrokes::FocusOut(Box box, FocusReason reason, const Text& boxText) -> Answer {
    Answer answer;
    End(answer, box, boxText);
    if (reason == FocusReason::Other && focused == box) {
        focused.reset();
        answer.calls.push_back({Handler::LostFocus, box});
    }
    return answer;
}

auto Keystrokes::BeforeBitClick(const std::vector<Text>& boxTexts) -> Answer {
    Answer answer;
    for (std::size_t box = 0; box < boxTexts.size(); ++box)
        End(answer, static_cast<Box>(box), boxTexts[box]);
    return answer;
}

auto Keystrokes::AfterBitClick() const -> Answer {
    Answer answer;
    if (focused && selectsPointOnEntry.at(static_cast<std::size_t>(*focused)))
        answer.calls.push_back({Handler::GotFocus, *focused});
    return answer;
}

auto Keystrokes::Committed(Box box, const Text& text) -> Answer {
    if (text.empty())
        return {}; // what an input method is still composing is the box's own
    Answer answer{{}, false};
    Type(answer, box, text);
    answer.calls.push_back({Handler::KeyUp, box, 0, 0});
    return answer;
}

bool Keystrokes::IsKeyDown(Box box) const {
    return std::any_of(open.begin(), open.end(),
                       [box](const Keystroke& k) { return k.box == box; });
}

void Keystrokes::Type(Answer& answer, Box box, const Text& text) const {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsSurrogatePair(text, i))
            ++i;
        else
            answer.calls.push_back({Handler::KeyPress, box, static_cast<std::int16_t>(text[i])});
    }
}

void Keystrokes::End(Answer& answer, Box box, const Text& boxText) {
    bool changed = false;
    std::erase_if(open, [&](const Keystroke& k) {
        changed = changed || (k.box == box && k.before != boxText);
        return k.box == box;
    });
    if (changed)
        answer.calls.push_back({Handler::KeyUp, box, 0, 0});
}
