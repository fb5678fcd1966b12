// SPDX-License-Identifier: GPL-3.0-or-later
// Why an entry box is red, decided without the toolkit: the box's marks, the
// events that change them, and for each event the one colour the box then
// shows.
//
// - A release refuses or accepts the box's text. A refused text is red, and
//   marked refused until the text changes, focus or not; but a text the
//   program wrote for the current value (a size under a key that changed
//   nothing) is red only while the focus stays, as is a number beyond the
//   box's range on entry.
// - Entering paints the box light cyan, red where it is refused or its number
//   out of range; leaving paints it white, red where it is refused.
// - A text changed by a key or by the program loses the red: light cyan with
//   the focus, white without.
// - The refused mark is recorded with the box's backup; a backup put back is
//   red again if it was refused when recorded. A text the refresh cycle takes
//   up turns light cyan where the box asks for it, focus or not.
// - A text the program wrote passes for its own only while the value is the
//   one it was written for: a value taken from the box itself leaves the box
//   its own accepted text, and nothing the program wrote.
// - An event paints at most once: the colour the box shows from then on, and
//   whether a screen reader is told (red is read as the box's description, so
//   it is told when red comes or goes). No paint where the colour stays.
#pragma once

#include <optional>
#include <string>

class BoxMarks {
  public:
    using Text = std::u16string;
    // Desktop: the desktop's own colours, for a box never painted.
    enum class Colour { Desktop, White, LightCyan, Red };
    struct Paint {
        Colour colour;
        bool readerTold;
        bool operator==(const Paint&) const = default;
    };
    using Answer = std::optional<Paint>; // nothing to paint

    explicit BoxMarks(Colour atStart = Colour::Desktop) : shown(atStart) {}

    Answer Entered(bool outOfRange);
    Answer Left();
    Answer TextChanged();
    // The program wrote this text into the box for the current value.
    void Wrote(const Text& text) { written = text; }
    Answer Released(const Text& text, bool accepted);
    void Recorded() { refusedAtRecord = refused; }
    // The recorded text is back in the box, in place of a text refused.
    Answer PutBack();
    Answer TakenUp(bool turnsLightCyan);

  private:
    Answer Show(Colour colour);
    Colour Unmarked() const { return focused ? Colour::LightCyan : Colour::White; }

    bool refused = false;
    bool refusedAtRecord = false;
    bool focused = false;
    Text written; // empty: nothing the program wrote is the box's now
    Colour shown;
};
