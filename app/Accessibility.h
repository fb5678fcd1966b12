// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractButton;
class QString;

// Has a screen reader read the window as a frame named by its title, the bit
// buttons as check boxes, checked when their bit is 1, and the window's other
// push button as a push button; labels and boxes keep Qt's own interfaces.
// A box's text change is announced only when the text changed and shows.
// Call it before the buttons are created; safe to call more than once.
void InstallAccessibility();
// Writes the caption of a button that has a name of its own, which a screen
// reader reads: no name changes, so none is told.
void SetCaption(QAbstractButton* button, const QString& caption);
// Tells a screen reader that a bit button's bit has changed.
void AnnounceBitChange(QAbstractButton* bit);
// Tells a screen reader that the size panel's toggle has changed its state.
void AnnounceExpandedChange(QAbstractButton* toggle);
// Says what a click on a button did where the keyboard is elsewhere: a screen
// reader voices a state change only of the control with the focus.
void AnnounceClick(QAbstractButton* button, const QString& result);
