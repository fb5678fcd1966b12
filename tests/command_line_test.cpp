// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own options are split from Tavrin's before the command line is read,
// and what is said when no platform can start.
#include "CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// A command line's words, after the program's name.
std::vector<std::string> Arguments(const std::string& line) {
    std::istringstream words(line);
    std::vector<std::string> all = {"tavrin"};
    for (std::string word; words >> word;)
        all.push_back(word);
    return all;
}

} // namespace

// What Qt reads, and what is left for Tavrin.
TEST(CommandLine, SplitQtOptions) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"-platform offscreen 0x1F", "-platform offscreen", "0x1F"},
        {"--display=:1 31", "-display :1", "31"},
        {"-qwindowgeometry=1x1+2+3 --qwindowtitle=t", "-qwindowgeometry 1x1+2+3 -qwindowtitle t",
         ""},
        {"-style=Fusion -platform=xcb:x=1 31", "-style Fusion -platform xcb:x=1", "31"},
        {"-qmljsdebugger=port:1 --reverse 31", "-qmljsdebugger=port:1 -reverse", "31"},
        {"-widgetcount -reverse=1 31", "-widgetcount -reverse", "31"},
        {"-name -display 31", "-name -display", "31"},
        {"-1 -p --print -platforms", "", "-1 -p --print -platforms"},
        {"31 -- -platform x", "", "31 -- -platform x"},
        {"31 -platform", "-platform", "31"},
    };
    for (const auto& [arguments, qt, own] : rows) {
        const SplitArguments split = SplitQtOptions(Arguments(arguments));
        EXPECT_EQ(std::tuple(split.qt, split.own), std::tuple(Arguments(qt), Arguments(own)))
            << arguments;
    }
}

// The one line said when no platform starts: a wrong or empty platform name,
// or each platform tried with its display and what kept it from that; the
// advice last, with nothing after its command.
TEST(CommandLine, CannotStart) {
    const std::vector<std::string> here = {"offscreen", "wayland", "xcb"};
    const std::string run = "/run/user/1";
    const std::string xvfb = "; run it on a desktop, or under Xvfb: xvfb-run -a 't'";
    const std::string session = "; start it from the desktop session, which sets XDG_RUNTIME_DIR";
    const std::tuple<StartFailure, std::string> rows[] = {
        {{{"wayand"}, here, ":1", "", run, "t", true},
         "tavrin: there is no platform 'wayand'; the platforms here are offscreen, wayland, xcb."},
        {{{}, here, ":1", "", run, "t", true},
         "tavrin: the platform's name is empty; name one of the platforms here (offscreen, "
         "wayland, xcb), or none for the desktop's own."},
        {{{"xcb"}, here, "", "", run, "build/app/tavrin", false},
         "tavrin: cannot reach the display (platform xcb, DISPLAY not set); run it on a desktop, "
         "or install Debian's package xvfb and run it under Xvfb: xvfb-run -a 'build/app/tavrin'"},
        {{{"wayland", "xcb:x=1"}, here, "\x1b[31m:9\n", "w-1", run, "t", true},
         "tavrin: cannot reach the display (platform wayland, display 'w-1'; platform xcb, "
         "display '\\x1B[31m:9\\n')" +
             xvfb},
        {{{"wayland"}, here, ":1", "", run, "t", true},
         "tavrin: cannot reach the display (platform wayland, display 'wayland-0')."},
        {{{"wayland"}, here, ":1", "", "", "t", true},
         "tavrin: cannot reach the display (platform wayland, display 'wayland-0', "
         "XDG_RUNTIME_DIR not set)" +
             session + "."},
        {{{"wayland", "xcb"}, here, ":1", "w-1", "run", "t", true},
         "tavrin: cannot reach the display (platform wayland, display 'w-1', XDG_RUNTIME_DIR "
         "'run' not a full path; platform xcb, display ':1')" +
             session + xvfb},
        {{{"wayland"}, here, "", "/tmp/w-1", "", "t", true},
         "tavrin: cannot reach the display (platform wayland, display '/tmp/w-1')."},
        {{{std::string(300, 'x')}, here, "", "", run, "t", true},
         "tavrin: there is no platform '" + std::string(80, 'x') +
             "...'; the platforms here are offscreen, wayland, xcb."},
    };
    for (const auto& [failure, line] : rows)
        EXPECT_EQ(CannotStart(failure), line);
}
