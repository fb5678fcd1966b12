// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BoxMarks.h"
#include "Keystrokes.h"
#include "Value.h"

#include <QWidget>

#include <array>
#include <cstdint>

class EventAdapter;
class WindowSizeKeeper;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The calculator's one window: the register panel above, the size panel
// below, and every handler of their controls. The handlers live with their
// controls: app/ (start-up, size-panel toggle, refresh cycle), panel/ (bit
// buttons and what the five entry boxes share) and sizes/ (the size fields
// and the size boxes' own rule).
class Form1 : public QWidget {
    Q_OBJECT

  public: // app/Form1.cpp
    // How often the refresh cycle ticks while a box differs from its backup.
    static constexpr int RefreshInterval = 500; // milliseconds

    // ticksByItself false is for tests that tick by hand: the refresh
    // cycle's timer starts and stops as usual but never fires.
    explicit Form1(QWidget* parent = nullptr, bool ticksByItself = true);
    ~Form1() override;
    // A value given at start (as ValueArgument gives it) shows as if pasted
    // into its box.
    void ShowStartValue(const value::Text& validated);

  private:
    friend class EventAdapter;
    using Text = value::Text;
    using Int16 = std::int16_t;
    using BoxOfForm = QLineEdit* Form1::*;
    using StringOfForm = Text Form1::*;

    // One entry box: what it is, described once, and what it carries while
    // the program runs. The handlers, the backups, the refresh cycle and the
    // event adapter read it (the five in panel/EntryBoxes.cpp).
    struct EntryBox {
        BoxOfForm control;
        Text defaultText;                 // at start, and when the box is left empty
        value::EntryRules rules;          // its kind, its digits, its range and its unit
        Text (*validator)(Text);          // what a paste and the refresh cycle accept
        BoxOfForm enterTarget;            // where Enter moves the focus
        bool rangeOnFocus = false;        // entering turns an out-of-range number red
        bool selectsPointOnEntry = false; // entering selects a text with a point
        bool cycleColours = false;        // the refresh cycle colours an accepted text
        bool takesFocus = false;          // an accepted text brings the focus here
        BoxMarks::Colour colourAtStart = BoxMarks::Colour::Desktop;
        void (Form1::*GotFocus)();
        void (Form1::*LostFocus)();
        void (Form1::*KeyPress)(Int16& KeyAscii);
        void (Form1::*KeyUp)(Int16& KeyCode, Int16& Shift);
        // What it carries while the program runs.
        StringOfForm backup;           // its backup string, by its name on the form
        BoxMarks marks{colourAtStart}; // why it is red

        bool InSizePanel() const { return rules.kind == value::EntryKind::Size; }
    };
    // The five entry boxes as the window starts, in the refresh cycle's order.
    static const std::array<EntryBox, 5> EntryBoxesAtStart;
    EntryBox& Box(const QLineEdit* control);
    QLineEdit* Control(const EntryBox& box) const { return this->*box.control; }
    Text& Backup(const EntryBox& box) { return this->*box.backup; }
    // Shows what the box's marks answer: its colour, and its description for
    // a screen reader where that changes.
    void Paint(const EntryBox& box, BoxMarks::Answer paint);

    // --- Start-up, toggle and backups (app/Form1.cpp) ---
    void CreateControls();
    void CreateBoxes();
    void CreateBitButtons();
    void CreateLabels();
    void SetControlOrder();
    void Form_Load();
    void ReadyToType();
    void cmdOpt_Click();
    // The caption of cmdOpt is the size panel's state: ">>" shown, "<<" hidden.
    bool SizePanelShown() const;
    void SetStringBak();
    // Sets the window's outer height in twips; while the compositor sets the
    // size (maximized, fullscreen under Wayland), the height waits for the
    // normal state.
    void SetHeight(int twips);
    // Collapsed, the size boxes are out of reach: no focus, nothing to read.
    void ShowSizeBoxes(bool shown);

    // --- Refresh cycle (app/RefreshCycle.cpp) ---
    void Timer1_Timer();
    void PutBack(EntryBox& box);
    // Starts the timer unless it runs: a running timer keeps its phase.
    void WakeTimer1();

    // --- Bit buttons (panel/BitButtons.cpp) ---
    void SetcmdBitStatus(Text InBinStr);
    void BitButton_Click(std::int16_t index);
    void ApplyBitLook(std::int16_t index, bool set);
    // The hexadecimal box, the binary label and the bit buttons.
    void WriteRegisterViews(std::int32_t p);

    // --- What the five entry boxes share (panel/EntryBoxes.cpp) ---
    void GotFocus(EntryBox& box);
    void LostFocus(EntryBox& box);
    void KeyPress(const EntryBox& box, Int16& KeyAscii);
    void KeyUp(EntryBox& box, Int16& KeyCode, Int16& Shift);
    void CopyOrPaste(const EntryBox& box, Int16& KeyCode, Int16& Shift);
    // Any change of a box text wakes the timer and takes the box's red away;
    // who refuses the new text brings it back.
    void TextChanged(EntryBox& box);
    // The value changed in one box: every other view is written from the text
    // it accepts. The one way a new value reaches the views; the Write...
    // functions below are its steps.
    void WriteOtherViews(const EntryBox& from, const Text& t);
    void WriteViewsFromUnits(const EntryBox& from, const Text& t);

    // --- The entry boxes' handlers: each applies the shared rule to its row ---
    void TxtBoxHex_GotFocus() { GotFocus(Box(TxtBoxHex)); }
    void TxtBoxDec_GotFocus() { GotFocus(Box(TxtBoxDec)); }
    void txtKsize_GotFocus() { GotFocus(Box(txtKsize)); }
    void TxtMsize_GotFocus() { GotFocus(Box(TxtMsize)); }
    void txtGsize_GotFocus() { GotFocus(Box(txtGsize)); }
    void TxtBoxHex_LostFocus() { LostFocus(Box(TxtBoxHex)); }
    void TxtBoxDec_LostFocus() { LostFocus(Box(TxtBoxDec)); }
    void txtKsize_LostFocus() { LostFocus(Box(txtKsize)); }
    void TxtMsize_LostFocus() { LostFocus(Box(TxtMsize)); }
    void txtGsize_LostFocus() { LostFocus(Box(txtGsize)); }
    void TxtBoxHex_KeyPress(Int16& KeyAscii) { KeyPress(Box(TxtBoxHex), KeyAscii); }
    void TxtBoxDec_KeyPress(Int16& KeyAscii) { KeyPress(Box(TxtBoxDec), KeyAscii); }
    void txtKsize_KeyPress(Int16& KeyAscii) { KeyPress(Box(txtKsize), KeyAscii); }
    void TxtMsize_KeyPress(Int16& KeyAscii) { KeyPress(Box(TxtMsize), KeyAscii); }
    void txtGsize_KeyPress(Int16& KeyAscii) { KeyPress(Box(txtGsize), KeyAscii); }
    void TxtBoxHex_KeyUp(Int16& KeyCode, Int16& Shift) { KeyUp(Box(TxtBoxHex), KeyCode, Shift); }
    void TxtBoxDec_KeyUp(Int16& KeyCode, Int16& Shift) { KeyUp(Box(TxtBoxDec), KeyCode, Shift); }
    void txtKsize_KeyUp(Int16& KeyCode, Int16& Shift) { KeyUp(Box(txtKsize), KeyCode, Shift); }
    void TxtMsize_KeyUp(Int16& KeyCode, Int16& Shift) { KeyUp(Box(TxtMsize), KeyCode, Shift); }
    void txtGsize_KeyUp(Int16& KeyCode, Int16& Shift) { KeyUp(Box(txtGsize), KeyCode, Shift); }

    // --- Hexadecimal box (panel/HexBox.cpp) ---
    void WriteViewsFromHex(const Text& t);

    // --- Size fields (sizes/SizeFields.cpp) ---
    void SetKB_MB_GB(const Text& InDecStr);
    // Writes a size into a size box and records it as the program's.
    void WriteSize(EntryBox& box, const Text& size);

    // --- Size boxes (sizes/SizeBoxes.cpp) ---
    // The decimal box and the other two size boxes from a size box's units.
    void WriteViewsFromSize(const EntryBox& from, double units);

    // --- The controls the handlers use (the other labels are only shown) ---
    QTimer* Timer1 = nullptr;
    QLineEdit* txtGsize = nullptr;
    QLineEdit* TxtMsize = nullptr;
    QLineEdit* txtKsize = nullptr;
    QPushButton* cmdOpt = nullptr;
    QLineEdit* TxtBoxDec = nullptr;
    QLineEdit* TxtBoxHex = nullptr;
    QButtonGroup* BitButton = nullptr; // the 32 bit buttons, the bit number as id
    QLabel* LableBin = nullptr;

    // --- Backup strings: the last recorded text of each box ---
    Text HexStrBak;
    Text DecStrBak;
    Text KsizeStrBak;
    Text MsizeStrBak;
    Text GsizeStrBak;

    std::array<EntryBox, 5> entryBoxes = EntryBoxesAtStart;
    // When the boxes' handlers run (app/Keystrokes.cpp); the adapter from Qt's
    // events (app/EventAdapter.cpp) asks it, and so does the refresh cycle.
    Keystrokes keystrokes;
    EventAdapter* adapter = nullptr;
    // The window's size against maximize and fullscreen (app/WindowSizeKeeper.cpp).
    WindowSizeKeeper* sizeKeeper = nullptr;
};
