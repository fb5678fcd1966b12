// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start: split the arguments, answer the command line, start
// Qt, show the window.
#include "CommandLine.h"
#include "Form1.h"
#include "StartUp.h"

#include <QApplication>
#include <QTimer>

#include <malloc.h>

int main(int argc, char* argv[]) {
    SplitArguments arguments = SplitQtOptions({argv, argv + argc});
    const CommandLine commandLine = ParseCommandLine(arguments.own);
    if (commandLine.exitStatus)
        return EndWith(commandLine);
    // The program stays open all day: its few threads share one malloc arena,
    // and what start-up freed goes back to the system once the window is up.
    mallopt(M_ARENA_MAX, 1);
    std::vector<char*> qtArgv = QtArgv(arguments.qt);
    int qtArgc = static_cast<int>(qtArgv.size()) - 1;
    HoldMessagesWhileStarting(arguments);
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
