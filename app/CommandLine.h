// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, read before the application object exists and without
// the toolkit: Qt's own options are Qt's, the rest are Tavrin's.
#pragma once

#include "Value.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the command line asks for: an exit status to end with at once (after
// --help, --version, --print or a mistake) with what to print first, or none
// and the value, if any, to start the window with.
struct CommandLine {
    std::optional<int> exitStatus;
    std::string output; // for standard output
    std::string error;  // one line for standard error, without its line end
    value::Text startValue;
};

// The arguments in two lists, the program's name first in each, up to a "--":
// the options Qt reads from argv itself (those of QGuiApplication,
// QApplication and the xcb platform, with one or two dashes, the value
// following or joined by "="), each as Qt reads it ("-display", ":1"); and
// Tavrin's own arguments.
struct SplitArguments {
    std::vector<std::string> qt;
    std::vector<std::string> own;
    // The value given last to Qt's option of that name ("display"), if given.
    std::optional<std::string> QtOptionValue(std::string_view name) const;
};
SplitArguments SplitQtOptions(const std::vector<std::string>& arguments);
// Reads Tavrin's own arguments, the program's name first: long options only
// ("-help" is "--help"), and "-" followed by a digit is a VALUE.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);
// Says what the command line asks to say, and gives the status to end with:
// 1 where its output could not be written whole.
int EndWith(const CommandLine& commandLine);

// An argument as one line says it: at most 80 characters, control characters
// escaped, in single quotes.
std::string Quoted(std::string_view argument);
// The words with the separator between them.
std::string Joined(const std::vector<std::string>& words, std::string_view separator);
