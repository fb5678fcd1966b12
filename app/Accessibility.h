// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Lets a screen reader read the window's labels and push buttons; call it
// before they are created. Safe to call more than once.
void InstallAccessibility();
// Has a label's or push button's caption read as its value, under the
// accessible name the window gives it ("位 5" reads "1").
void ReadCaptionAsValue(QWidget* control);
