// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Keystrokes.h"
#include "Value.h"

#include <QWidget>

#include <array>
#include <cstdint>

class EventAdapter;
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
    void ShowValue(const value::Text& validated);

  protected:
    // A fixed-size window that survives a maximize or a fullscreen, whoever
    // asks for it (app/Form1.cpp).
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class EventAdapter;
    using Text = value::Text;
    using Int16 = std::int16_t;
    using BoxOfForm = QLineEdit* Form1::*;

    // One entry box, described once; the handlers, the backups, the refresh
    // cycle and the event adapter read its row (app/Form1.cpp).
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
        void (Form1::*GotFocus)();
        void (Form1::*LostFocus)();
        void (Form1::*KeyPress)(Int16& KeyAscii);
        void (Form1::*KeyUp)(Int16& KeyCode, Int16& Shift);
        bool InSizePanel() const { return rules.kind == value::EntryKind::Size; }
    };
    // What an entry box carries while the program runs.
    struct EntryState {
        Text& backup;               // its backup string
        bool refused = false;       // its text is refused: red until the text changes
        bool backupRefused = false; // its backup is a refused text
        Text written{};             // the size the program last wrote into it
    };
    // The five entry boxes in the refresh cycle's order; the rows, Row and
    // State are in app/Form1.cpp.
    static const std::array<EntryBox, 5> EntryBoxes;
    const EntryBox& Row(const QLineEdit* control) const;
    EntryState& State(const QLineEdit* control);
    EntryState& State(const EntryBox& box);
    QLineEdit* Control(const EntryBox& box) const { return this->*box.control; }

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
    // size under Wayland (maximized, fullscreen), the height waits for the
    // normal state.
    void SetHeight(int twips);
    // The window's size for its state: fixed, or any while the compositor
    // sets it; under Wayland Qt gets no bounds to hold against the compositor.
    void FixSize();
    // Collapsed, the size boxes are out of reach: no focus, nothing to read.
    void ShowSizeBoxes(bool shown);
    // A window state asked for or reported, and the way back from a maximize.
    void WindowStateRequested(Qt::WindowState state);
    void Unmaximize();

    // --- Refresh cycle (app/RefreshCycle.cpp) ---
    void Timer1_Timer();
    // Starts the timer unless it runs: a running timer keeps its phase.
    void WakeTimer1();

    // --- Bit buttons (panel/BitButtons.cpp) ---
    void SetcmdBitStatus(Text InBinStr);
    void BitButton_Click(std::int16_t index);
    void ApplyBitLook(std::int16_t index, bool set);
    // The hexadecimal box, the binary label and the bit buttons.
    void SetRegisterViews(std::int32_t p);

    // --- What the five entry boxes share (panel/EntryBoxes.cpp) ---
    void GotFocus(const EntryBox& box, const EntryState& state);
    void LostFocus(const EntryBox& box, const EntryState& state);
    void KeyPress(const EntryBox& box, Int16& KeyAscii);
    void KeyUp(const EntryBox& box, EntryState& state, Int16& KeyCode, Int16& Shift);
    void CopyOrPaste(const EntryBox& box, Int16& KeyCode, Int16& Shift);
    // Any change of a box text wakes the timer and clears the box's refused
    // mark and its red; who refuses the new text sets them again.
    void TextChanged(const EntryBox& box, EntryState& state);
    void SetRefused(const EntryBox& box, EntryState& state, bool refused);
    // Every other view from a text the box accepts.
    void SetValueFrom(const EntryBox& box, const Text& t);
    void SetValueFromUnits(const EntryBox& box, const Text& t);

    // --- The entry boxes' handlers: each applies the shared rule to its row ---
    void TxtBoxHex_GotFocus() { GotFocus(Row(TxtBoxHex), State(TxtBoxHex)); }
    void TxtBoxDec_GotFocus() { GotFocus(Row(TxtBoxDec), State(TxtBoxDec)); }
    void txtKsize_GotFocus() { GotFocus(Row(txtKsize), State(txtKsize)); }
    void TxtMsize_GotFocus() { GotFocus(Row(TxtMsize), State(TxtMsize)); }
    void txtGsize_GotFocus() { GotFocus(Row(txtGsize), State(txtGsize)); }
    void TxtBoxHex_LostFocus() { LostFocus(Row(TxtBoxHex), State(TxtBoxHex)); }
    void TxtBoxDec_LostFocus() { LostFocus(Row(TxtBoxDec), State(TxtBoxDec)); }
    void txtKsize_LostFocus() { LostFocus(Row(txtKsize), State(txtKsize)); }
    void TxtMsize_LostFocus() { LostFocus(Row(TxtMsize), State(TxtMsize)); }
    void txtGsize_LostFocus() { LostFocus(Row(txtGsize), State(txtGsize)); }
    void TxtBoxHex_KeyPress(Int16& KeyAscii) { KeyPress(Row(TxtBoxHex), KeyAscii); }
    void TxtBoxDec_KeyPress(Int16& KeyAscii) { KeyPress(Row(TxtBoxDec), KeyAscii); }
    void txtKsize_KeyPress(Int16& KeyAscii) { KeyPress(Row(txtKsize), KeyAscii); }
    void TxtMsize_KeyPress(Int16& KeyAscii) { KeyPress(Row(TxtMsize), KeyAscii); }
    void txtGsize_KeyPress(Int16& KeyAscii) { KeyPress(Row(txtGsize), KeyAscii); }
    void TxtBoxHex_KeyUp(Int16& KeyCode, Int16& Shift) {
        KeyUp(Row(TxtBoxHex), State(TxtBoxHex), KeyCode, Shift);
    }
    void TxtBoxDec_KeyUp(Int16& KeyCode, Int16& Shift) {
        KeyUp(Row(TxtBoxDec), State(TxtBoxDec), KeyCode, Shift);
    }
    void txtKsize_KeyUp(Int16& KeyCode, Int16& Shift) {
        KeyUp(Row(txtKsize), State(txtKsize), KeyCode, Shift);
    }
    void TxtMsize_KeyUp(Int16& KeyCode, Int16& Shift) {
        KeyUp(Row(TxtMsize), State(TxtMsize), KeyCode, Shift);
    }
    void txtGsize_KeyUp(Int16& KeyCode, Int16& Shift) {
        KeyUp(Row(txtGsize), State(txtGsize), KeyCode, Shift);
    }

    // --- Hexadecimal box (panel/HexBox.cpp) ---
    void SetValueFromHex(const Text& t);

    // --- Size fields (sizes/SizeFields.cpp) ---
    void SetKB_MB_GB(const Text& InDecStr);
    // Writes a size into a size box and records it as the program's.
    void WriteSize(const EntryBox& box, const Text& size);

    // --- Size boxes (sizes/SizeBoxes.cpp) ---
    // The decimal box and the other two size boxes from a size box's units.
    void SetViewsFromSize(const EntryBox& box, double units);

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

    // In the order of EntryBoxes.
    std::array<EntryState, 5> EntryStates{
        {{HexStrBak}, {DecStrBak}, {KsizeStrBak}, {MsizeStrBak}, {GsizeStrBak}}};
    // When the boxes' handlers run (app/Keystrokes.cpp); the adapter from Qt's
    // events (app/EventAdapter.cpp) asks it, and so does the refresh cycle.
    Keystrokes keystrokes;
    EventAdapter* adapter = nullptr;
    bool unmaximizeAfterPaint = false;
    // The height the window keeps, in pixels; under Wayland, from a request
    // for a maximized or fullscreen state, or the compositor's word of one,
    // until the compositor says the window is normal again, the compositor
    // sets the size.
    int fixedHeight = 0;
    bool sizeFromCompositor = false;
};
