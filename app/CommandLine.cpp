// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

constexpr char Forms[] = "Options are --help and --version; a VALUE is hexadecimal with 0x "
                         "(0x1F) or decimal (31), at most 0xFFFFFFFF or 4294967295.";

void Print(const QString& text) {
    std::fputs(qPrintable(text), stdout);
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A calculator for 32-bit register values."));
    const QCommandLineOption help({"h", "help"}, QStringLiteral("Shows this help.")),
        version({"v", "version"}, QStringLiteral("Shows the version."));
    parser.addOptions({help, version});
    parser.addPositionalArgument(QStringLiteral("VALUE"),
                                 QStringLiteral("The value to start with: 0x1F or 31."),
                                 QStringLiteral("[VALUE]"));
    if (!parser.parse(arguments)) {
        qWarning("tavrin: %s %s", qPrintable(parser.errorText()), Forms);
        return {2, {}};
    }
    if (parser.isSet(help)) {
        Print(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                        QStringLiteral("tavrin")));
        return {0, {}};
    }
    if (parser.isSet(version)) {
        Print(QStringLiteral("tavrin " TAVRIN_VERSION "\n"));
        return {0, {}};
    }
    const QStringList values = parser.positionalArguments();
    if (values.size() > 1) {
        qWarning("tavrin: One VALUE at most, not also '%s'. %s", qPrintable(values[1]), Forms);
        return {2, {}};
    }
    if (values.isEmpty())
        return {};
    const value::Text start = value::ValueArgument(values[0].toStdU16String());
    if (start.empty()) {
        qWarning("tavrin: '%s' is no VALUE. %s", qPrintable(values[0]), Forms);
        return {2, {}};
    }
    return {-1, start};
}
