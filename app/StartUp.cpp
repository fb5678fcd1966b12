// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartUp.h"

#include "StartFailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QPluginLoader>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

SplitArguments startArguments;
QtMessageHandler qtHandler = nullptr;
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
std::vector<HeldMessage> heldMessages;

// The platforms Qt tries, in the order it documents: as asked for (none where
// the name asked for is empty), or by itself the Wayland one first in a
// Wayland session.
std::vector<std::string> PlatformsTried() {
    const std::optional<std::string> option = startArguments.QtOptionValue("platform");
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

// Where Qt looks for platform plugins: the folder given by option or
// environment, then the platforms folder of each path Qt searches for plugins.
QStringList PlatformFolders() {
    QStringList folders;
    const auto option = startArguments.QtOptionValue("platformpluginpath");
    const QString given = option ? QString::fromStdString(*option)
                                 : qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    if (!given.isEmpty())
        folders << given;
    for (const QString& path : QCoreApplication::libraryPaths())
        folders << path + QStringLiteral("/platforms");
    return folders;
}

// The platforms there, by the keys their plugins declare.
std::vector<std::string> PlatformsHere() {
    std::vector<std::string> keys;
    for (const QString& path : PlatformFolders()) {
        const QDir folder(path);
        for (const QString& file : folder.entryList(QDir::Files, QDir::Name)) {
            const QPluginLoader plugin(folder.filePath(file));
            const QJsonObject metaData =
                plugin.metaData().value(QStringLiteral("MetaData")).toObject();
            for (const auto key : metaData[QStringLiteral("Keys")].toArray())
                keys.push_back(key.toString().toStdString());
        }
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

StartFailure FailureHere() {
    std::string xDisplay = startArguments.QtOptionValue("display").value_or("");
    if (xDisplay.empty())
        xDisplay = qEnvironmentVariable("DISPLAY").toStdString();
    return {.tried = PlatformsTried(),
            .available = PlatformsHere(),
            .xDisplay = xDisplay,
            .waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY").toStdString(),
            .runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR").toStdString(),
            .program = startArguments.qt[0],
            .xvfbRunHere = !QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty()};
}

void HoldWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages.push_back({type, context.category ? context.category : "", text});
        return;
    }
    std::fprintf(stderr, "%s\n", StartFailureLine(FailureHere()).c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

std::vector<char*> QtArgv(std::vector<std::string>& qtArguments) {
    std::vector<char*> argv;
    for (std::string& argument : qtArguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    return argv;
}

void HoldMessagesWhileStarting(const SplitArguments& arguments) {
    startArguments = arguments;
    qtHandler = qInstallMessageHandler(HoldWhileStarting);
}

void ReleaseHeldMessages() {
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage& message : std::exchange(heldMessages, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        qtHandler(message.type, context, message.text);
    }
}
