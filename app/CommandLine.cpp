// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <algorithm>
#include <cctype>
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

std::string Joined(const std::vector<std::string>& words, std::string_view separator) {
    std::string out;
    for (const std::string& word : words)
        out += (out.empty() ? "" : std::string(separator)) + word;
    return out;
}

} // namespace

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

// A platform named wrongly is what the user must hear of first; otherwise each
// platform tried with the display it tried and what kept it from that display,
// and the advice that helps. The line ends with a command, if any, so that a
// copy of it takes nothing more along.
std::string CannotStart(const StartFailure& failure) {
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
        const bool wayland = name.starts_with("wayland");
        const std::string& display = wayland ? failure.waylandDisplay : failure.xDisplay;
        // libwayland finds a display not named by its full path in XDG_RUNTIME_DIR.
        const bool runtimeDirNeeded =
            wayland && !display.starts_with('/') && !failure.runtimeDir.starts_with('/');
        noRuntimeDir = noRuntimeDir || runtimeDirNeeded;
        tried.push_back(
            "platform " + name +
            (wayland && display.empty()    ? ", display 'wayland-0'"
             : wayland || !display.empty() ? ", display " + Quoted(display)
             : name == "xcb"               ? ", DISPLAY not set"
                                           : "") +
            (!runtimeDirNeeded ? ""
             : failure.runtimeDir.empty()
                 ? ", XDG_RUNTIME_DIR not set"
                 : ", XDG_RUNTIME_DIR " + Quoted(failure.runtimeDir) + " not a full path"));
    }
    std::string line = "tavrin: cannot reach the display (" + Joined(tried, "; ") + ")";
    if (noRuntimeDir)
        line += "; start it from the desktop session, which sets XDG_RUNTIME_DIR";
    if (!x11)
        return line + ".";
    return line +
           (failure.xvfbRunHere ? "; run it on a desktop, or under Xvfb: "
                                : "; run it on a desktop, or install Debian's package "
                                  "xvfb and run it under Xvfb: ") +
           "xvfb-run -a " + Quoted(failure.program);
}
