// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Value.h"

#include <QStringList>

// What the command line asks for: an exit status to end with at once (after
// --help, --version or a mistake), or the value, if any, to start with.
struct CommandLine {
    int exitStatus = -1;
    value::Text startValue;
};

// Needs no display and no application object: it runs before either.
CommandLine ParseCommandLine(const QStringList& arguments);
