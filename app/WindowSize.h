// SPDX-License-Identifier: GPL-3.0-or-later
// The window's size, decided without the toolkit: a fixed size that survives a
// maximize or a fullscreen, whoever asks for it (a title bar Qt draws itself,
// a window manager's key, the compositor's own menus).
//
// - Under X11 the window manager holds the window at its fixed size: a
//   maximize asked for is taken back at once.
// - Under Wayland a maximized or fullscreen window must take the size the
//   compositor configures: Qt holding it at its bounds would end the
//   connection. From a request for such a state, or the compositor's word of
//   one, until the compositor says the window is normal, the compositor sizes
//   it and a new height waits; the native window never gets bounds, and in the
//   normal state a size configured otherwise (a restore's, an interactive
//   resize's) gives way to the fixed one once the event loop turns.
// - Once the window system says the window is maximized, the window asks
//   once to be normal again, after that frame is drawn.
#pragma once

class WindowSize {
  public:
    enum class System { X11, Wayland };
    struct States {
        bool maximized = false;
        bool fullScreen = false;
    };
    // What to do once the event loop turns.
    enum class Later { Nothing, FixSize, TakeMaximizeBack };
    struct Answer {
        enum class Size { Keep, Fixed, Any };
        Size size = Size::Keep;  // hold the window at the fixed size, or let it take any
        bool liftBounds = false; // the native window takes whatever is configured
        bool leaveMaximized = false;
        bool repaint = false;
        Later later = Later::Nothing;
        bool operator==(const Answer&) const = default;
    };

    WindowSize(System system, int width) : system(system), width(width) {}

    Answer HeightAsked(int pixels);
    Answer StateRequested(States state);
    Answer StateReported(States now, States before);
    Answer Shown();
    Answer Resized(int w, int h);
    Answer Painted();
    Answer Run(Later step);

    int Width() const { return width; }
    int Height() const { return height; }

  private:
    Answer FixSize() const;
    bool SizedByCompositor(States state) const {
        return system == System::Wayland && (state.maximized || state.fullScreen);
    }

    System system;
    int width;
    int height = 0;
    bool sizeFromCompositor = false;
    bool takeBackAfterPaint = false;
};
