// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>

namespace {

// The options Qt 6.4 documents for QGuiApplication, QApplication and the xcb
// platform, and how Qt reads each one's value.
enum class ValueForm { None, Following, Joined }; // Joined: only as "-name=value"
struct QtOption {
    std::string_view name;
    ValueForm value;
};
constexpr QtOption QtOptions[] = {
    {"platform", ValueForm::Following},
    {"platformpluginpath", ValueForm::Following},
    {"platformtheme", ValueForm::Following},
    {"plugin", ValueForm::Following},
    {"qmljsdebugger", ValueForm::Joined},
    {"qwindowgeometry", ValueForm::Following},
    {"qwindowicon", ValueForm::Following},
    {"qwindowtitle", ValueForm::Following},
    {"reverse", ValueForm::None},
    {"session", ValueForm::Following},
    {"style", ValueForm::Following},
    {"stylesheet", ValueForm::Following},
    {"widgetcount", ValueForm::None},
    {"display", ValueForm::Following},
    {"geometry", ValueForm::Following},
    {"name", ValueForm::Following},
    {"visual", ValueForm::Following},
};

constexpr char ValueForms[] = "A VALUE is decimal (31, -1), hexadecimal (0x1F, 1Fh) or binary "
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

Exit status: 0 when done, 1 when no display can be reached or standard
output cannot be written, 2 for a mistake on the command line.
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

const QtOption* FindQtOption(std::string_view name) {
    const auto option = std::find_if(std::begin(QtOptions), std::end(QtOptions),
                                     [&](const QtOption& o) { return o.name == name; });
    return option == std::end(QtOptions) ? nullptr : option;
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
    return {2, {}, "tavrin: " + what + " " + ValueForms, {}};
}

} // namespace

std::string Joined(const std::vector<std::string>& words, std::string_view separator) {
    std::string out;
    for (const std::string& word : words)
        out += (out.empty() ? "" : std::string(separator)) + word;
    return out;
}

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

SplitArguments SplitQtOptions(const std::vector<std::string>& arguments) {
    SplitArguments split;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const QtOption* option = i ? FindQtOption(OptionName(argument)) : nullptr;
        const auto equals = argument.find('=');
        if (i == 0) {
            split.qt.push_back(argument);
            split.own.push_back(argument);
        } else if (argument == "--") {
            split.own.insert(split.own.end(), arguments.begin() + std::ptrdiff_t(i),
                             arguments.end());
            break;
        } else if (!option) {
            split.own.push_back(argument);
        } else if (option->value == ValueForm::Joined) {
            split.qt.push_back("-" + argument.substr(argument.find_first_not_of('-')));
        } else {
            split.qt.push_back("-" + std::string(option->name));
            if (option->value == ValueForm::None)
                continue;
            if (equals != std::string::npos)
                split.qt.push_back(argument.substr(equals + 1));
            else if (i + 1 < arguments.size())
                split.qt.push_back(arguments[++i]);
        }
    }
    return split;
}

std::optional<std::string> SplitArguments::QtOptionValue(std::string_view name) const {
    std::optional<std::string> value;
    for (std::size_t i = 1; i < qt.size(); ++i) {
        const QtOption* option = FindQtOption(OptionName(qt[i]));
        if (!option || option->value != ValueForm::Following || i + 1 == qt.size())
            continue;
        if (option->name == name)
            value = qt[i + 1];
        ++i;
    }
    return value;
}

namespace {

// Every value is read before anything is printed; a block of views a value,
// a blank line between.
CommandLine Printed(const std::vector<std::string>& values) {
    if (values.empty())
        return Mistake("--print needs a VALUE.");
    std::string blocks;
    for (const std::string& argument : values) {
        const auto read = value::ReadValueText(Wide(argument));
        if (!read)
            return Mistake(Quoted(argument) + " is no VALUE.");
        blocks += (blocks.empty() ? "" : "\n") + Narrow(value::ViewsText(read->pattern));
    }
    return {0, blocks, {}, {}};
}

CommandLine Started(const std::vector<std::string>& values) {
    std::vector<value::Text> shown;
    for (const std::string& argument : values) {
        shown.push_back(value::ValueArgument(Wide(argument)));
        if (shown.back().empty())
            return Mistake(Quoted(argument) + " is no VALUE.");
    }
    if (shown.size() > 1)
        return Mistake("One VALUE at most, not also " + Quoted(values[1]) + ".");
    return {std::nullopt, {}, {}, shown.empty() ? value::Text() : shown[0]};
}

} // namespace

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
    return print ? Printed(values) : Started(values);
}

namespace {

// What goes to standard output must all arrive: a full disk or a closed
// output is a failure, said in one line on standard error.
bool WriteOut(const std::string& output) {
    bool written = std::fwrite(output.data(), 1, output.size(), stdout) == output.size() &&
                   std::fflush(stdout) == 0;
    int error = errno;
    if (std::fclose(stdout) != 0 && written)
        written = false, error = errno;
    if (!written)
        std::fprintf(stderr, "tavrin: cannot write to standard output: %s\n", std::strerror(error));
    return written;
}

} // namespace

int EndWith(const CommandLine& commandLine) {
    if (!commandLine.error.empty())
        std::fprintf(stderr, "%s\n", commandLine.error.c_str());
    const bool written = commandLine.output.empty() || WriteOut(commandLine.output);
    return written ? commandLine.exitStatus.value_or(0) : 1;
}
