// SPDX-License-Identifier: GPL-3.0-or-later
// The line said when no platform could start, without the toolkit.
#pragma once

#include <string>
#include <vector>

// Where no platform could start: the platforms tried, in Qt's order, each
// possibly with options after a ":" (none where the name given was empty);
// those Qt has here; the X and Wayland displays named by option or
// environment ("" for none); XDG_RUNTIME_DIR; the program's name as started;
// whether xvfb-run is installed.
struct StartFailure {
    std::vector<std::string> tried;
    std::vector<std::string> available;
    std::string xDisplay;
    std::string waylandDisplay;
    std::string runtimeDir;
    std::string program;
    bool xvfbRunHere = false;
};
// One line, without its line end.
std::string StartFailureLine(const StartFailure& failure);
