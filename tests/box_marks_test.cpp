// SPDX-License-Identifier: GPL-3.0-or-later
// Why a box is red, as a table: a sequence of events in, what each paints out,
// one sequence a row.
#include "BoxMarks.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

using Colour = BoxMarks::Colour;

// Plays "VERB [TEXT [ok]]" events, separated by "; ", on a box never painted:
// "in" (with "high": a number beyond the box's range), "out", "text" (changed
// by a key or by the program), "wrote TEXT", "up TEXT [ok]" (a release
// refusing or accepting TEXT), "record", "putback", "takeup [cyan]". Gives
// each event's paint: "" for none, else c light cyan, w white, r red, and
// "!" where a screen reader is told.
std::string Play(const std::string& events) {
    BoxMarks marks;
    std::istringstream stream(events);
    std::string out, event, separator;
    while (std::getline(stream >> std::ws, event, ';')) {
        std::istringstream words(event);
        std::string verb, arg, ok;
        words >> verb >> arg >> ok;
        const std::u16string text(arg.begin(), arg.end());
        BoxMarks::Answer paint;
        if (verb == "in")
            paint = marks.Entered(arg == "high");
        else if (verb == "out")
            paint = marks.Left();
        else if (verb == "text")
            paint = marks.TextChanged();
        else if (verb == "wrote")
            marks.Wrote(text);
        else if (verb == "up")
            paint = marks.Released(text, ok == "ok");
        else if (verb == "record")
            marks.Recorded();
        else if (verb == "putback")
            paint = marks.PutBack();
        else if (verb == "takeup")
            paint = marks.TakenUp(arg == "cyan");
        out += std::exchange(separator, "; ");
        if (paint)
            out += std::string(1, "-wcr"[static_cast<int>(paint->colour)]) +
                   (paint->readerTold ? "!" : "");
    }
    return out;
}

} // namespace

TEST(BoxMarks, Table) {
    const std::pair<const char*, const char*> rows[] = {
        {"in; out; in", "c; w; c"},
        // A refused text stays red until it changes, entered again or not, painted once.
        {"in; up 1x; out; in; text; up 1 ok", "c; r!; ; ; c!; "},
        {"in; up 1x; out; text", "c; r!; ; w!"},
        // Red only while the focus stays: a number out of range, a size the program wrote.
        {"in high; out", "r!; w!"},
        {"in high; up 5 ok", "r!; c!"},
        {"wrote 1.5000; in; up 1.5000; out", "; c; r!; w!"},
        {"wrote 1.5000; in; text; up 1.500; text; up 1.5000; out", "; c; ; r!; c!; r!; w!"},
        // A size written for an old value is not the program's once the value comes from the box.
        {"wrote 0.0014; in; text; up 2 ok; text; up 0.0014; out", "; c; ; ; ; r!; "},
        {"wrote 0.0014; text; takeup; in; up 0.0014; out", "; ; ; c; r!; "},
        {"wrote 1; wrote 2; in; up 1; out", "; ; c; r!; "},
        // A backup put back is red again if it was refused when recorded.
        {"in; up x; record; out; text; putback", "c; r!; ; ; w!; r!"},
        {"in; up x; text; record; putback", "c; r!; c!; ; "},
        {"in high; text; putback", "r!; c!; "},
        {"in high; putback", "r!; c!"},
        {"in; up x; record; up 5 ok; record; text; putback", "c; r!; ; c!; ; ; "},
        // The refresh cycle turns a box light cyan where the box asks for it, focus or not.
        {"takeup cyan; text; putback; takeup; in; out; takeup", "c; ; ; ; ; w; "},
    };
    for (const auto& [events, paints] : rows)
        EXPECT_EQ(Play(events), paints) << events;
}
