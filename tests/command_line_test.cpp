// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own options are set aside before Tavrin reads its arguments.
#include "CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// The arguments left to Tavrin, the program's name first, joined by spaces.
std::string Left(const std::string& arguments) {
    std::istringstream words("tavrin " + arguments);
    std::vector<std::string> all;
    for (std::string word; words >> word;)
        all.push_back(word);
    std::string out;
    for (const std::string& word : WithoutQtOptions(all))
        out += (out.empty() ? "" : " ") + word;
    return out;
}

} // namespace

TEST(CommandLine, QtOptionsSetAside) {
    const std::pair<const char*, const char*> rows[] = {
        {"-platform offscreen 0x1F", "tavrin 0x1F"},
        {"--platform offscreen -style=Fusion --version", "tavrin --version"},
        {"-style Fusion -reverse -widgetcount 31", "tavrin 31"},
        {"-session abc -display :1 -geometry 1x1 -name n -visual 1 31", "tavrin 31"},
        {"-qwindowgeometry 1x1 -qwindowtitle t -qwindowicon i -platformtheme x 31", "tavrin 31"},
        {"-platformpluginpath p -plugin q -stylesheet s -qmljsdebugger=port:1 31", "tavrin 31"},
        {"-1 -p --print -platforms", "tavrin -1 -p --print -platforms"},
        {"31 -- -platform x", "tavrin 31 -- -platform x"},
    };
    for (const auto& [arguments, left] : rows)
        EXPECT_EQ(Left(arguments), left) << arguments;
}
