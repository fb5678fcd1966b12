// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoxMarks.h"

auto BoxMarks::Show(Colour colour) -> Answer {
    if (colour == shown)
        return std::nullopt;
    const bool redChanges = (colour == Colour::Red) != (shown == Colour::Red);
    shown = colour;
    return Paint{colour, redChanges};
}

auto BoxMarks::Entered(bool outOfRange) -> Answer {
    focused = true;
    return Show(refused || outOfRange ? Colour::Red : Colour::LightCyan);
}

auto BoxMarks::Left() -> Answer {
    focused = false;
    return Show(refused ? Colour::Red : Colour::White);
}

auto BoxMarks::TextChanged() -> Answer {
    if (shown != Colour::Red)
        return std::nullopt;
    refused = false;
    return Show(Unmarked());
}

auto BoxMarks::Released(const Text& text, bool accepted) -> Answer {
    refused = !accepted && text != written;
    if (accepted)
        written.clear(); // the value is the box's own text now
    return Show(accepted ? Unmarked() : Colour::Red);
}

auto BoxMarks::PutBack() -> Answer {
    refused = refusedAtRecord;
    return Show(refused ? Colour::Red : shown == Colour::Red ? Unmarked() : shown);
}

auto BoxMarks::TakenUp(bool turnsLightCyan) -> Answer {
    written.clear(); // as for a release accepted
    return Show(turnsLightCyan ? Colour::LightCyan : shown);
}
