// SPDX-License-Identifier: GPL-3.0-or-later
// The window's size as a table: the window system, a sequence of events in,
// what each asks of the window out, one sequence a row.
#include "WindowSize.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

using W = WindowSize;

W::States StateOf(const std::string& name) {
    return {.maximized = name == "max", .fullScreen = name == "fs"};
}

std::string Format(const W::Answer& a, const W& rule) {
    std::string out;
    const auto add = [&out](const std::string& word) { out += (out.empty() ? "" : " ") + word; };
    if (a.leaveMaximized)
        add("normal");
    if (a.size == W::Answer::Size::Fixed)
        add("fixed " + std::to_string(rule.Width()) + "x" + std::to_string(rule.Height()));
    if (a.size == W::Answer::Size::Any)
        add("any");
    if (a.liftBounds)
        add("lift");
    if (a.repaint)
        add("repaint");
    if (a.later != W::Later::Nothing)
        add(a.later == W::Later::FixSize ? "later:fix" : "later:back");
    return out;
}

// Plays "height H", "request STATE", "report STATE" (from the state reported
// before), "shown", "resized WxH", "painted" and "later" (the last deferred
// step runs) on a window 501 pixels wide; STATE is max, fs or normal.
std::string Play(W::System system, const std::string& events) {
    W rule(system, 501);
    W::States reported;
    W::Later later = W::Later::Nothing;
    std::istringstream stream(events);
    std::string out, event, separator;
    while (std::getline(stream >> std::ws, event, ';')) {
        std::istringstream words(event);
        std::string verb, arg;
        words >> verb >> arg;
        W::Answer answer;
        if (verb == "height") {
            answer = rule.HeightAsked(std::stoi(arg));
        } else if (verb == "request") {
            answer = rule.StateRequested(StateOf(arg));
        } else if (verb == "report") {
            answer = rule.StateReported(StateOf(arg), std::exchange(reported, StateOf(arg)));
        } else if (verb == "shown") {
            answer = rule.Shown();
        } else if (verb == "resized") {
            answer = rule.Resized(std::stoi(arg), std::stoi(arg.substr(arg.find('x') + 1)));
        } else if (verb == "painted") {
            answer = rule.Painted();
        } else if (verb == "later") {
            answer = rule.Run(std::exchange(later, W::Later::Nothing));
        }
        if (answer.later != W::Later::Nothing)
            later = answer.later;
        out += std::exchange(separator, "; ") + Format(answer, rule);
    }
    return out;
}

} // namespace

TEST(WindowSize, X11) {
    const std::pair<const char*, const char*> rows[] = {
        {"height 250; shown; resized 800x600; height 330", "fixed 501x250; ; ; fixed 501x330"},
        // A maximize asked for, or reported, is taken back; the latter once it is drawn.
        {"height 250; request max; later", "fixed 501x250; later:back; normal fixed 501x250"},
        {"height 250; report max; painted; later; painted",
         "fixed 501x250; repaint; later:back; normal fixed 501x250; "},
        {"height 250; report max; report normal", "fixed 501x250; repaint; fixed 501x250"},
        {"height 250; request fs; report fs; request normal", "fixed 501x250; ; fixed 501x250; "},
    };
    for (const auto& [events, answers] : rows)
        EXPECT_EQ(Play(W::System::X11, events), answers) << events;
}

TEST(WindowSize, Wayland) {
    const std::pair<const char*, const char*> rows[] = {
        {"height 250; shown; resized 501x250", "fixed 501x250 lift; fixed 501x250 lift; "},
        // A size configured for the normal state gives way to the fixed one.
        {"height 250; resized 800x600; later", "fixed 501x250 lift; later:fix; fixed 501x250 lift"},
        {"height 250; resized 501x400; resized 600x250",
         "fixed 501x250 lift; later:fix; later:fix"},
        // From a request or the compositor's word until it says normal, it sizes the window.
        {"height 250; request fs; height 330; resized 1024x768; report fs; report normal",
         "fixed 501x250 lift; any lift; ; ; any lift; fixed 501x330 lift"},
        {"height 250; report fs; request normal; height 330", "fixed 501x250 lift; any lift; ; "},
        {"height 250; request max; resized 800x600; later", "fixed 501x250 lift; any lift; ; "},
        // A maximize reported is taken back once drawn; the compositor still sizes it until normal.
        {"height 250; report max; painted; later; report normal",
         "fixed 501x250 lift; any lift repaint; later:back; normal; fixed 501x250 lift"},
        {"report max; report fs; painted", "any lift repaint; any lift; later:back"},
    };
    for (const auto& [events, answers] : rows)
        EXPECT_EQ(Play(W::System::Wayland, events), answers) << events;
}
