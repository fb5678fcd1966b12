// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"
#include "Form1.h"

#include <QApplication>
#include <QTimer>

#include <malloc.h>

#include <cstdlib>

namespace {

// Without any display Qt would abort with a long message; one line says more.
bool HasDisplay() {
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") ||
           std::getenv("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = ParseCommandLine(arguments);
    if (commandLine.exitStatus >= 0)
        return commandLine.exitStatus;
    if (!HasDisplay()) {
        qWarning("tavrin: no display found; run it on a desktop, or under Xvfb: xvfb-run -a %s",
                 argv[0]);
        return 1;
    }
    // The program stays open all day: its few threads share one malloc arena,
    // and what start-up freed goes back to the system once the window is up.
    mallopt(M_ARENA_MAX, 1);
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("tavrin"));
    Form1 form;
    if (!commandLine.startValue.empty())
        form.ShowValue(commandLine.startValue);
    form.show();
    QTimer::singleShot(100, [] { malloc_trim(0); });
    return app.exec();
}
