// SPDX-License-Identifier: GPL-3.0-or-later
// What stands between the command line and the window: Qt's own arguments,
// and its messages while it starts.
#pragma once

#include "CommandLine.h"

#include <string>
#include <vector>

// The arguments as Qt reads them from argv, a null pointer after the last.
std::vector<char*> QtArgv(std::vector<std::string>& qtArguments);
// Qt's messages while the application object is built wait: when Qt cannot
// reach the window system it ends with a fatal message, and an abort, after
// several lines about plugins. One line says more (StartFailureLine), and
// the program ends with status 1.
void HoldMessagesWhileStarting(const SplitArguments& arguments);
// Once the application object stands, the held messages go out as Qt writes
// them, their categories with them.
void ReleaseHeldMessages();
