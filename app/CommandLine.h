// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, read before the application object exists and without
// the toolkit: Qt's own options are Qt's, the rest are Tavrin's.
#pragma once

#include "Value.h"

#include <string>
#include <string_view>
#include <vector>

// What the command line asks for: an exit status to end with at once (after
// --help, --version, --print or a mistake) with what to print first, or the
// value, if any, to start the window with.
struct CommandLine {
    int exitStatus = -1;
    std::string output; // for standard output
    std::string error;  // one line for standard error, without its line end
    value::Text startValue;
};

// The arguments without the options Qt reads from argv itself (those of
// QGuiApplication, QApplication and the xcb platform, with one or two dashes
// and their values), up to a "--".
std::vector<std::string> WithoutQtOptions(const std::vector<std::string>& arguments);
// The value of the last such option of that name ("display"), or "".
std::string QtOptionValue(const std::vector<std::string>& arguments, std::string_view name);
// Reads Tavrin's own arguments, the program's name first: long options only
// ("-help" is "--help"), and "-" followed by a digit is a VALUE.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);
