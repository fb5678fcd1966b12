// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"
#include "Form1.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTimer>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// Qt's messages while the application object is built wait here: when Qt
// cannot reach the window system it ends with a fatal message, and an abort,
// after several lines about plugins. One line says more.
std::vector<std::pair<QtMsgType, QString>> heldMessages;
QString displayOption; // given with -display

QString DisplayTried(const QString& platform) {
    if (platform.startsWith(QLatin1String("wayland"))) {
        const QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
        return display.isEmpty() ? QStringLiteral("\"wayland-0\"") : '"' + display + '"';
    }
    const QString display =
        displayOption.isEmpty() ? qEnvironmentVariable("DISPLAY") : displayOption;
    return display.isEmpty() ? QStringLiteral("no DISPLAY set") : '"' + display + '"';
}

void HoldWhileStarting(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        heldMessages.emplace_back(type, message);
        return;
    }
    // The platform Qt tried last, as its own message names it.
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("xcb"));
    static const QRegularExpression plugin(QStringLiteral("platform plugin \"([^\"]+)\""));
    for (const auto& held : heldMessages) {
        if (const auto match = plugin.match(held.second); match.hasMatch())
            platform = match.captured(1);
    }
    std::fprintf(stderr,
                 "tavrin: cannot reach the display (platform %s, display %s); run it on a "
                 "desktop, or under Xvfb: xvfb-run -a tavrin\n",
                 qPrintable(platform), qPrintable(DisplayTried(platform)));
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
    const std::vector<std::string> arguments(argv, argv + argc);
    const CommandLine commandLine = ParseCommandLine(WithoutQtOptions(arguments));
    std::fputs(commandLine.output.c_str(), stdout);
    if (!commandLine.error.empty())
        std::fprintf(stderr, "%s\n", commandLine.error.c_str());
    if (commandLine.exitStatus >= 0)
        return commandLine.exitStatus;
    displayOption = QString::fromLocal8Bit(QtOptionValue(arguments, "display"));
    // The program stays open all day: its few threads share one malloc arena,
    // and what start-up freed goes back to the system once the window is up.
    mallopt(M_ARENA_MAX, 1);
    qInstallMessageHandler(HoldWhileStarting);
    QApplication app(argc, argv); // Qt reads its own options from argv
    ReleaseHeldMessages();
    // The window is drawn by position, bit 31 on the left and "<<" as it
    // reads: -reverse, which would mirror its texts, changes nothing.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QGuiApplication::setDesktopFileName(QStringLiteral("tavrin"));
    Form1 form;
    if (!commandLine.startValue.empty())
        form.ShowValue(commandLine.startValue);
    form.show();
    QTimer::singleShot(100, [] { malloc_trim(0); });
    return app.exec();
}
