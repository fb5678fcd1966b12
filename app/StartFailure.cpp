// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartFailure.h"

#include "CommandLine.h"

#include <algorithm>

namespace {

// A platform tried, the display it tried and what kept it from that display.
struct Tried {
    std::string text;
    bool runtimeDirNeeded = false;
};

Tried TriedOn(const std::string& name, const StartFailure& failure) {
    const bool wayland = name.starts_with("wayland");
    const std::string& display = wayland ? failure.waylandDisplay : failure.xDisplay;
    // libwayland finds a display not named by its full path in XDG_RUNTIME_DIR,
    // and without a name takes wayland-0.
    const bool runtimeDirNeeded =
        wayland && !display.starts_with('/') && !failure.runtimeDir.starts_with('/');
    return {"platform " + name +
                (wayland && display.empty()    ? ", display 'wayland-0'"
                 : wayland || !display.empty() ? ", display " + Quoted(display)
                 : name == "xcb"               ? ", DISPLAY not set"
                                               : "") +
                (!runtimeDirNeeded ? ""
                 : failure.runtimeDir.empty()
                     ? ", XDG_RUNTIME_DIR not set"
                     : ", XDG_RUNTIME_DIR " + Quoted(failure.runtimeDir) + " not a full path"),
            runtimeDirNeeded};
}

// Where X11 was tried, Xvfb helps; the line ends with its command, so that a
// copy of it takes nothing more along.
std::string XvfbAdvice(const StartFailure& failure) {
    return (failure.xvfbRunHere ? "; run it on a desktop, or under Xvfb: "
                                : "; run it on a desktop, or install Debian's package "
                                  "xvfb and run it under Xvfb: ") +
           std::string("xvfb-run -a ") + Quoted(failure.program);
}

} // namespace

// A platform named wrongly is what the user must hear of first; otherwise each
// platform tried, and the advice that helps.
std::string StartFailureLine(const StartFailure& failure) {
    const std::string here = Joined(failure.available, ", ");
    if (failure.tried.empty())
        return "tavrin: the platform's name is empty; name one of the platforms here (" + here +
               "), or none for the desktop's own.";
    std::vector<std::string> tried;
    bool x11 = false, noRuntimeDir = false;
    for (const std::string& platform : failure.tried) {
        const std::string name = platform.substr(0, platform.find(':'));
        if (std::find(failure.available.begin(), failure.available.end(), name) ==
            failure.available.end())
            return "tavrin: there is no platform " + Quoted(name) + "; the platforms here are " +
                   here + ".";
        x11 = x11 || name == "xcb";
        const Tried on = TriedOn(name, failure);
        tried.push_back(on.text);
        noRuntimeDir = noRuntimeDir || on.runtimeDirNeeded;
    }
    std::string line = "tavrin: cannot reach the display (" + Joined(tried, "; ") + ")";
    if (noRuntimeDir)
        line += "; start it from the desktop session, which sets XDG_RUNTIME_DIR";
    return line + (x11 ? XvfbAdvice(failure) : ".");
}
