// SPDX-License-Identifier: GPL-3.0-or-later
// When the entry boxes' handlers run, decided without the toolkit: events in,
// handler calls out.
//
// - A keystroke is a key that went down in a box, known by its physical key.
//   Its release in that box ends it and runs KeyUp with the released key's
//   code and the modifiers held when it went down. Auto-repeated presses and
//   releases open and end nothing; a release with no keystroke open in its box
//   (Enter or Tab that moved the focus there) runs nothing.
// - A keystroke also ends when its box loses the focus, for whatever reason,
//   and at a bit click; when the box's text then differs from its text before
//   the key went down, KeyUp(0, 0) takes the edit up as the release would have.
// - A press types: each character of its text goes through KeyPress, which may
//   replace or cancel it, and what KeyPress leaves is inserted; a character
//   beyond 16 bits is passed over. Backspace, Enter and Escape type their
//   control character; the box itself applies a Backspace that KeyPress kept.
//   Ctrl or Alt with a printable key types nothing, and a clipboard or undo
//   chord only its control character. Ctrl with Backspace, K, U, W or D types
//   its control character (127, 11, 21, 23, 4), Ctrl+Delete nothing: the box
//   never applies them. Other keys (arrows, Delete) are the box's own.
// - The box applies a key's event itself, after the calls, where the answer
//   says so and no KeyPress among them cancelled its character: a Backspace
//   the key filter refused deletes nothing.
// - An input method's commit types its text, then runs KeyUp(0, 0); keystrokes
//   open in the box stay open.
// - GotFocus runs when the focus comes to a box from elsewhere, LostFocus when
//   it leaves for elsewhere. A popup (a context menu) or a window deactivation
//   ends the box's keystrokes but does not leave it.
// - A bit click ends every keystroke before its Click handler runs; after
//   it, the box with the focus is entered anew if it selects a text with a
//   point on entry, since the click has rewritten that text.
#pragma once

#include "Keys.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Keystrokes {
  public:
    using Box = int; // an entry box's place in the window's list of boxes
    using Text = std::u16string;

    // A press's modifiers are the handlers' mask (Shift 1, Ctrl 2, Alt 4) and
    // this bit for any other modifier (Meta, a keypad key).
    static constexpr std::int16_t OtherMask = 8;

    struct Press {
        Box box;
        std::uint32_t key;      // the physical key
        std::int16_t code;      // its virtual-key code; 0 for keys no handler knows
        Text text;              // what it types
        std::int16_t modifiers; // held as it goes down
        bool autoRepeat = false;
        bool desktopEditingChord = false; // the desktop's own clipboard or undo chord
        Text boxText{};                   // the box's text now
    };
    struct Release {
        Box box;
        std::uint32_t key;
        std::int16_t code;
        bool autoRepeat = false;
    };
    enum class FocusReason { Popup, WindowDeactivated, Other };

    enum class Handler { GotFocus, LostFocus, KeyPress, KeyUp };
    struct Call {
        Handler handler;
        Box box;
        std::int16_t code = 0; // KeyPress: the character; KeyUp: the key's code
        std::int16_t mask = 0; // KeyUp: the modifier mask
        bool operator==(const Call&) const = default;
    };
    struct Answer {
        std::vector<Call> calls;
        bool boxApplies = true; // the box applies the toolkit's event itself
    };

    // selectsPointOnEntry[box]: that box selects a text with a point on entry.
    explicit Keystrokes(std::vector<bool> selectsPointOnEntry);

    Answer Pressed(const Press& press);
    Answer Released(const Release& release);
    Answer FocusIn(Box box);
    Answer FocusOut(Box box, FocusReason reason, const Text& boxText);
    // What runs before a bit click's Click handler, and after it.
    Answer BeforeBitClick(const std::vector<Text>& boxTexts);
    Answer AfterBitClick() const;
    Answer Committed(Box box, const Text& text);

    bool IsKeyDown(Box box) const;

  private:
    struct Keystroke {
        Box box;
        std::uint32_t key;
        std::int16_t mask; // the handlers' modifiers as it went down
        Text before;       // the box's text before it went down
    };
    void Type(Answer& answer, Box box, const Text& text) const;
    void End(Answer& answer, Box box, const Text& boxText);

    std::vector<bool> selectsPointOnEntry;
    std::vector<Keystroke> open;
    // The box the focus is in, as the handlers know it: it stays while the
    // window is inactive or a popup is open.
    std::optional<Box> focused;
};
