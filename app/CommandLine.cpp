// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>

namespace {

// The options Qt 6.4 documents for QGuiApplication, QApplication and the xcb
// platform, and whether a value follows (it may also be joined by "=").
struct QtOption {
    std::string_view name;
    bool takesValue;
};
constexpr QtOption QtOptions[] = {
    {"platform", true},       {"platformpluginpath", true},
    {"platformtheme", true},  {"plugin", true},
    {"qmljsdebugger", false}, {"qwindowgeometry", true},
    {"qwindowicon", true},    {"qwindowtitle", true},
    {"reverse", false},       {"session", true},
    {"style", true},          {"stylesheet", true},
    {"widgetcount", false},   {"display", true},
    {"geometry", true},       {"name", true},
    {"visual", true},
};

constexpr char Forms[] = "A VALUE is decimal (31, -1), hexadecimal (0x1F, 1Fh) or binary "
                         "(0b11111), at most 32 bits; tavrin --help tells more.";

constexpr char Help[] = R"(Usage: tavrin [options] [VALUE]
       tavrin --print VALUE...
A calculator for 32-bit register values.

Options:
  -h, --help     Shows this help.
  -v, --version  Shows the version.
  --print        Prints every view of each VALUE, a block each, without a
                 window or a display.

Arguments:
  VALUE          The value to start with, as if pasted into its box: 31 or
                 0x1F; also 1Fh, 0b11111, 0xdead_beef, 1'000, 31u, and a
                 negative decimal as its 32-bit two's complement (-1). Put
                 -- before a VALUE that could be read as an option.

Qt's own options (-platform, -style, -display, -session, ...) work as in
every Qt program.
)";

// The option an argument names, without its one or two dashes and "=value";
// empty for a VALUE ("-" alone, or followed by a digit).
std::string_view OptionName(std::string_view argument) {
    if (argument.size() < 2 || argument[0] != '-' ||
        std::isdigit(static_cast<unsigned char>(argument[1])))
        return {};
    argument.remove_prefix(argument[1] == '-' ? 2 : 1);
    return argument.substr(0, argument.find('='));
}

// At most 80 characters of an argument, control characters escaped.
std::string Quoted(std::string_view argument) {
    std::string out;
    int characters = 0;
    for (const char c : argument) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80 && ++characters > 80)
            return "'" + out + "...'";
        static constexpr char hex[] = "0123456789ABCDEF";
        out += byte == '\n'   ? std::string("\\n")
               : byte == '\t' ? std::string("\\t")
               : byte == '\r' ? std::string("\\r")
               : byte < 0x20 || byte == 0x7F
                   ? std::string{'\\', 'x', hex[byte >> 4], hex[byte & 15]}
                   : std::string(1, c);
    }
    return "'" + out + "'";
}

value::Text Wide(std::string_view argument) {
    value::Text text;
    for (const char c : argument)
        text += static_cast<char16_t>(static_cast<unsigned char>(c));
    return text;
}

std::string Narrow(const value::Text& text) {
    return {text.begin(), text.end()};
}

CommandLine Mistake(const std::string& what) {
    return {2, {}, "tavrin: " + what + " " + Forms, {}};
}

} // namespace

namespace {

// The arguments parted: Qt's options with their values ("" for none), up to a
// "--", and the others.
struct PartedArguments {
    std::vector<std::pair<std::string_view, std::string>> qt;
    std::vector<std::string> ours;
};

PartedArguments Part(const std::vector<std::string>& arguments) {
    PartedArguments parted;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const std::string_view name = i ? OptionName(argument) : std::string_view();
        const auto option = std::find_if(std::begin(QtOptions), std::end(QtOptions),
                                         [&](const QtOption& o) { return o.name == name; });
        const auto equals = argument.find('=');
        if (argument == "--") {
            parted.ours.insert(parted.ours.end(), arguments.begin() + std::ptrdiff_t(i),
                               arguments.end());
            break;
        }
        if (option == std::end(QtOptions))
            parted.ours.push_back(argument);
        else if (equals != std::string::npos)
            parted.qt.emplace_back(option->name, argument.substr(equals + 1));
        else if (option->takesValue && i + 1 < arguments.size())
            parted.qt.emplace_back(option->name, arguments[++i]);
        else
            parted.qt.emplace_back(option->name, std::string());
    }
    return parted;
}

} // namespace

std::vector<std::string> WithoutQtOptions(const std::vector<std::string>& arguments) {
    return Part(arguments).ours;
}

std::string QtOptionValue(const std::vector<std::string>& arguments, std::string_view name) {
    std::string value;
    for (const auto& [option, given] : Part(arguments).qt) {
        if (option == name)
            value = given;
    }
    return value;
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    bool help = false, version = false, print = false, onlyValues = false;
    std::vector<std::string> values;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const std::string_view name = onlyValues ? std::string_view() : OptionName(argument);
        if (!onlyValues && argument == "--")
            onlyValues = true;
        else if (name.empty())
            values.push_back(argument);
        else if (name == "h" || name == "help")
            help = true;
        else if (name == "v" || name == "version")
            version = true;
        else if (name == "print")
            print = true;
        else
            return Mistake("Unknown option " + Quoted(argument) + ".");
    }
    if (help)
        return {0, Help, {}, {}};
    if (version)
        return {0, "tavrin " TAVRIN_VERSION "\n", {}, {}};

    // Every value is read before anything is printed.
    std::vector<value::Text> shown;
    for (const std::string& argument : values) {
        shown.push_back(value::ValueArgument(Wide(argument)));
        if (shown.back().empty())
            return Mistake(Quoted(argument) + " is no VALUE.");
    }
    if (print) {
        if (shown.empty())
            return Mistake("--print needs a VALUE.");
        std::string blocks;
        for (const std::string& argument : values) {
            const auto read = value::ReadValueText(Wide(argument));
            blocks += (blocks.empty() ? "" : "\n") + Narrow(value::ViewsText(read->pattern));
        }
        return {0, blocks, {}, {}};
    }
    if (shown.size() > 1)
        return Mistake("One VALUE at most, not also " + Quoted(values[1]) + ".");
    return {-1, {}, {}, shown.empty() ? value::Text() : shown[0]};
}
