// SPDX-License-Identifier: GPL-3.0-or-later
// Key codes and modifier masks, named once for the event adapter, the
// handlers and the key filter.
#pragma once

#include <cstdint>

namespace value::keys {

// Codes a key press delivers as its character, which the released keys of
// the same name carry as their virtual-key code too.
inline constexpr std::int16_t Backspace = 8, Enter = 13, Escape = 27;

// Virtual-key codes of released keys; letters and digits are their capitals'
// and digits' codes.
inline constexpr std::int16_t Tab = 9, ShiftKey = 16, ControlKey = 17, AltKey = 18, Space = 32,
                              PageUp = 33, PageDown = 34, End = 35, Home = 36, Left = 37, Up = 38,
                              Right = 39, Down = 40, Insert = 45, Delete = 46, C = 67, V = 86;

// The modifier mask of a released key.
inline constexpr std::int16_t ShiftMask = 1, CtrlMask = 2, AltMask = 4;

} // namespace value::keys
