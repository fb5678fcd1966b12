// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"
#include "Form1.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QStandardPaths>
#include <QTimer>

#include <malloc.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

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

SplitArguments arguments;

// The platforms Qt tries, in its order: as asked for (none where the name
// asked for is empty), or by itself the Wayland one first in a Wayland session.
std::vector<std::string> PlatformsTried() {
    const std::optional<std::string> option = arguments.QtOptionValue("platform");
    std::string asked = option.value_or(qEnvironmentVariable("QT_QPA_PLATFORM").toStdString());
    if (asked.empty() && !option) {
        const bool wayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
                             qgetenv("XDG_SESSION_TYPE") == "wayland";
        asked = wayland ? "wayland;xcb" : "xcb";
    }
    std::vector<std::string> tried;
    for (const QString& platform : QString::fromStdString(asked).split(u';', Qt::SkipEmptyParts))
        tried.push_back(platform.toStdString());
    return tried;
}

// The platforms of Qt's plugin folder, by the keys their plugins declare.
std::vector<std::string> PlatformsHere() {
    const QDir folder(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    std::vector<std::string> keys;
    for (const QString& file : folder.entryList(QDir::Files, QDir::Name)) {
        const QPluginLoader plugin(folder.filePath(file));
        for (const auto key :
             plugin.metaData().value(QStringLiteral("MetaData"))[QStringLiteral("Keys")].toArray())
            keys.push_back(key.toString().toStdString());
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

// Qt's messages while the application object is built wait here: when Qt
// cannot reach the window system it ends with a fatal message, and an abort,
// after several lines about plugins. One line says more.
std::vector<std::pair<QtMsgType, QString>> heldMessages;

void HoldWhileStarting(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        heldMessages.emplace_back(type, message);
        return;
    }
    std::string xDisplay = arguments.QtOptionValue("display").value_or("");
    if (xDisplay.empty())
        xDisplay = qEnvironmentVariable("DISPLAY").toStdString();
    const std::string line = CannotStart(
        {.tried = PlatformsTried(),
         .available = PlatformsHere(),
         .xDisplay = xDisplay,
         .waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY").toStdString(),
         .runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR").toStdString(),
         .program = arguments.qt[0],
         .xvfbRunHere = !QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty()});
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

// Once the application object stands, the held messages go out as usual.
void ReleaseHeldMessages() {
    qInstallMessageHandler(nullptr);
    for (const auto& [type, message] : std::exchange(heldMessages, {})) {
        const QMessageLogger logger;
        type == QtWarningMsg    ? logger.warning("%s", qPrintable(message))
        : type == QtCriticalMsg ? logger.critical("%s", qPrintable(message))
        : type == QtInfoMsg     ? logger.info("%s", qPrintable(message))
                                : logger.debug("%s", qPrintable(message));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    arguments = SplitQtOptions({argv, argv + argc});
    const CommandLine commandLine = ParseCommandLine(arguments.own);
    if (!commandLine.error.empty())
        std::fprintf(stderr, "%s\n", commandLine.error.c_str());
    if (commandLine.exitStatus >= 0) {
        const bool written = commandLine.output.empty() || WriteOut(commandLine.output);
        return written ? commandLine.exitStatus : 1;
    }
    // Qt reads its own options, each in the form it knows.
    std::vector<char*> qtArgv;
    for (std::string& argument : arguments.qt)
        qtArgv.push_back(argument.data());
    int qtArgc = static_cast<int>(qtArgv.size());
    qtArgv.push_back(nullptr);
    // The program stays open all day: its few threads share one malloc arena,
    // and what start-up freed goes back to the system once the window is up.
    mallopt(M_ARENA_MAX, 1);
    qInstallMessageHandler(HoldWhileStarting);
    QApplication app(qtArgc, qtArgv.data());
    ReleaseHeldMessages();
    // The window is drawn by position, bit 31 on the left and "<<" as it
    // reads: -reverse, which would mirror its texts, changes nothing.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QGuiApplication::setDesktopFileName(QStringLiteral("tavrin"));
    Form1 form;
    if (!commandLine.startValue.empty())
        form.ShowStartValue(commandLine.startValue);
    form.show();
    QTimer::singleShot(100, [] { malloc_trim(0); });
    return app.exec();
}
