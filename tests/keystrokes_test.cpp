// SPDX-License-Identifier: GPL-3.0-or-later
// The keystroke model as a table: a sequence of events in, the handler calls
// each event runs out, one sequence a row.
#include "Keystrokes.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <utility>

namespace {

using K = Keystrokes;
const std::string BoxNames = "HDKMG"; // the hexadecimal, decimal, KB, MB and GB boxes

// Keys by name, their code and text; a letter or digit types itself, Ctrl with
// a letter its control character.
const std::map<std::string, std::pair<std::int16_t, std::u16string>> NamedKeys = {
    {"emoji", {0, u"\U0001F600"}}, {"Backspace", {8, u"\b"}}, {"Enter", {13, u"\r"}},
    {"Esc", {27, u"\x1b"}},        {"Left", {37, u""}},       {"Ins", {45, u""}},
    {"Del", {46, u"\x7f"}},        {"Ctrl", {17, u""}}};

// A press or release of "[Ctrl+|Alt+|Shift+|Meta+]KEY[*]", * for the desktop's own chord.
K::Press PressOf(K::Box box, std::string chord, bool autoRepeat) {
    K::Press press{box, 0, 0, u"", 0, autoRepeat, chord.ends_with('*')};
    if (press.desktopEditingChord)
        chord.pop_back();
    const std::pair<const char*, std::int16_t> modifiers[] = {
        {"Ctrl", 2}, {"Alt", 4}, {"Shift", 1}, {"Meta", K::OtherMask}};
    for (const auto& [name, bit] : modifiers) {
        if (chord == name || chord.find(std::string(name) + '+') != std::string::npos)
            press.modifiers = static_cast<std::int16_t>(press.modifiers | bit);
    }
    const std::string key = chord.substr(chord.rfind('+') + 1); // npos + 1 is 0
    press.key = static_cast<std::uint32_t>(std::hash<std::string>{}(key));
    if (NamedKeys.contains(key)) {
        std::tie(press.code, press.text) = NamedKeys.at(key);
    } else {
        press.code = static_cast<std::int16_t>(std::toupper(key[0]));
        const bool control = press.modifiers & 2 && std::isalpha(key[0]);
        press.text.assign(1, static_cast<char16_t>(control ? key[0] & 0x1F : key[0]));
    }
    return press;
}

// Calls as "KeyPress(a) D.GotFocus", H's without a name; after typing, "[box]"
// where the box applies the event itself.
std::string Format(const K::Answer& answer, bool typing) {
    const char* names[] = {"GotFocus", "LostFocus", "KeyPress", "KeyUp"};
    std::string out;
    for (const K::Call& call : answer.calls) {
        const auto box = static_cast<std::size_t>(call.box);
        out += (out.empty() ? "" : " ") + (box != 0 ? BoxNames.substr(box, 1) + "." : "") +
               names[static_cast<int>(call.handler)];
        const bool printable = call.code > 32 && call.code < 127;
        if (call.handler == K::Handler::KeyPress)
            out += "(" + (printable ? std::string(1, char(call.code)) : std::to_string(call.code)) +
                   ")";
        else if (call.handler == K::Handler::KeyUp)
            out += "(" + std::to_string(call.code) + "," + std::to_string(call.mask) + ")";
    }
    if (typing && answer.boxApplies)
        out += std::string(out.empty() ? "" : " ") + "[box]";
    return out;
}

// Plays "VERB [ARG [CODE]]" events, separated by "; ", each in the box with the
// focus (H at first, then the box of the last "in BOX"); "text TEXT" changes
// its text, as the box's own editing does. Gives each event's calls,
// separated by "; ", then the boxes with a key down.
std::string Play(const std::string& events) {
    K model({false, false, true, true, true});
    model.FocusIn(0);
    K::Box box = 0;
    std::vector<std::u16string> texts(5);
    std::istringstream stream(events);
    std::string out, event, separator;
    while (std::getline(stream >> std::ws, event, ';')) {
        std::istringstream words(event);
        std::string verb, arg, code;
        words >> verb >> arg >> code;
        const std::u16string text(arg.begin(), arg.end());
        K::Answer answer;
        if (verb == "down" || verb == "repeat") {
            answer = model.Pressed(PressOf(box, arg, verb == "repeat"));
        } else if (verb == "up" || verb == "repeat-up") {
            const K::Press key = PressOf(box, arg, false);
            const auto released =
                static_cast<std::int16_t>(code.empty() ? key.code : std::stoi(code));
            answer = model.Released({box, key.key, released, verb == "repeat-up"});
        } else if (verb == "in") {
            box = static_cast<K::Box>(BoxNames.find(arg[0]));
            answer = model.FocusIn(box);
        } else if (verb == "out") {
            const auto reason = arg == "popup"  ? K::FocusReason::Popup
                                : arg == "away" ? K::FocusReason::WindowDeactivated
                                                : K::FocusReason::Other;
            answer = model.FocusOut(box, reason, texts[static_cast<std::size_t>(box)]);
        } else if (verb == "click") { // the Click handler runs between the two
            out += std::exchange(separator, "; ") + Format(model.BeforeBitClick(texts), false);
            separator = " Click(" + arg + ") ";
            answer = model.AfterBitClick();
        } else if (verb == "commit") {
            answer = model.Committed(box, text);
        } else {
            texts[static_cast<std::size_t>(box)] = text;
        }
        const bool typing = verb == "down" || verb == "repeat" || verb == "commit";
        out += std::exchange(separator, "; ") + Format(answer, typing);
    }
    for (std::size_t b = 0; b < BoxNames.size(); ++b)
        out += model.IsKeyDown(static_cast<K::Box>(b)) ? std::string(" | down ") + BoxNames[b] : "";
    return out;
}

} // namespace

TEST(Keystrokes, Table) {
    const std::pair<const char*, const char*> rows[] = {
        // A keystroke: opened by a press, ended by its physical key's release.
        {"down a; up a", "KeyPress(a); KeyUp(65,0)"},
        {"down a; repeat-up a; repeat a; up a", "KeyPress(a); ; KeyPress(a); KeyUp(65,0)"},
        {"repeat a; up a", "KeyPress(a); "},
        {"down a; down b; up a; up b", "KeyPress(a); KeyPress(b); KeyUp(65,0); KeyUp(66,0)"},
        {"down Ctrl; down Ctrl+v*; up Ctrl; up v", "[box]; KeyPress(22); KeyUp(17,2); KeyUp(86,2)"},
        {"down 1; up 1 0", "KeyPress(1); KeyUp(0,0)"},
        {"down a; up b", "KeyPress(a);  | down H"},
        {"up a", ""},
        {"down Meta+Left; up Left", "[box]; KeyUp(37,0)"},
        // Focus lost with a key down: only leaving for elsewhere runs LostFocus.
        {"down 1; text 1; out popup; up 1; in H", "KeyPress(1); ; KeyUp(0,0); ; "},
        {"down 1; text 1; out away; in H", "KeyPress(1); ; KeyUp(0,0); "},
        {"down 1; text 1; out other; in D", "KeyPress(1); ; KeyUp(0,0) LostFocus; D.GotFocus"},
        {"down Left; out other", "[box]; LostFocus"},
        {"out popup; in D", "; LostFocus D.GotFocus"},
        // A bit click ends every keystroke; a size box with the focus is entered anew.
        {"down 1; text 1; click 5; up 1", "KeyPress(1); ; KeyUp(0,0) Click(5) ; "},
        {"in K; click 3", "LostFocus K.GotFocus;  Click(3) K.GotFocus"},
        // An input method's commit is a keystroke of its own.
        {"down 1; commit ab; up 1", "KeyPress(1); KeyPress(a) KeyPress(b) KeyUp(0,0); KeyUp(49,0)"},
        {"commit", "[box]"},
        // What a press types.
        {"down Backspace", "KeyPress(8) [box] | down H"},
        {"down Enter; down Esc", "KeyPress(13); KeyPress(27) | down H"},
        {"down Enter; out other; in D; up Enter", "KeyPress(13); LostFocus; D.GotFocus; "},
        {"down Ctrl+1; down Alt+x; down Ctrl+c*", "; ; KeyPress(3) | down H"},
        {"down Ctrl+Ins; down Shift+Ins; down Shift+Del; down Ctrl+Meta+Ins",
         "; ; ; [box] | down H"},
        {"down emoji", " | down H"},
        {"down Ctrl+Backspace; down Ctrl+Shift+k", "KeyPress(127); KeyPress(11) | down H"},
        {"down Ctrl+u; down Ctrl+w; down Ctrl+d",
         "KeyPress(21); KeyPress(23); KeyPress(4) | down H"},
        {"down Ctrl+Del; down Del; down Ctrl+h", "; [box]; [box] | down H"},
    };
    for (const auto& [events, calls] : rows)
        EXPECT_EQ(Play(events), calls) << events;
}
