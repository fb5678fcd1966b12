// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowSize.h"

using Answer = WindowSize::Answer;

Answer WindowSize::FixSize() const {
    return {.size = sizeFromCompositor ? Answer::Size::Any : Answer::Size::Fixed,
            .liftBounds = system == System::Wayland};
}

Answer WindowSize::HeightAsked(int pixels) {
    height = pixels;
    return sizeFromCompositor ? Answer{} : FixSize();
}

// Asked for by anyone, the program included.
Answer WindowSize::StateRequested(States state) {
    if (SizedByCompositor(state)) {
        sizeFromCompositor = true;
        return FixSize();
    }
    if (system == System::X11 && state.maximized && !state.fullScreen)
        return {.later = Later::TakeMaximizeBack};
    return {};
}

// Said by the window system.
Answer WindowSize::StateReported(States now, States before) {
    Answer answer;
    if (SizedByCompositor(now) || !now.maximized) {
        sizeFromCompositor = SizedByCompositor(now);
        answer = FixSize();
    }
    if (now.maximized && !before.maximized) {
        takeBackAfterPaint = true;
        answer.repaint = true;
    }
    return answer;
}

// Before the compositor first hears of the window.
Answer WindowSize::Shown() {
    return system == System::Wayland ? FixSize() : Answer{};
}

Answer WindowSize::Resized(int w, int h) {
    const bool otherSize = w != width || h != height;
    if (system == System::Wayland && !sizeFromCompositor && otherSize)
        return {.later = Later::FixSize};
    return {};
}

Answer WindowSize::Painted() {
    if (!takeBackAfterPaint)
        return {};
    takeBackAfterPaint = false;
    return {.later = Later::TakeMaximizeBack};
}

Answer WindowSize::Run(Later step) {
    switch (step) {
    case Later::FixSize:
        return FixSize();
    case Later::TakeMaximizeBack: {
        Answer answer = sizeFromCompositor ? Answer{} : FixSize();
        answer.leaveMaximized = true;
        return answer;
    }
    default:
        return {};
    }
}
