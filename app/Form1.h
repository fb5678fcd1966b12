// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
// buttons and what the five entry boxes share) and sizes/ (size fields).
class Form1 : public QWidget {
    Q_OBJECT

  public:
    // ticksByItself false is for tests that tick by hand: the refresh
    // cycle's timer starts and stops as usual but never fires.
    explicit Form1(QWidget* parent = nullptr, bool ticksByItself = true);
    ~Form1() override;
    // A value given at start (as ValueArgument gives it) shows as if pasted
    // into its box.
    void ShowValue(const value::Text& validated);

  protected:
    // A fixed-size window that survives a maximize (app/Form1.cpp).
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class EventAdapter;
    using Text = value::Text;
    using Int16 = std::int16_t;

    // One entry box, described once: the handlers, the backups and the
    // refresh cycle read its row.
    struct EntryBox {
        QLineEdit* control;
        Text* backup;
        Text defaultText;         // at start, and when the box is left empty
        value::EntryRules rules;  // what typing and a key release accept
        Text (*validator)(Text);  // what a paste and the refresh cycle accept
        double unit;              // bytes a unit of a whole-number box; 0: hexadecimal
        bool rangeOnFocus;        // entering turns an out-of-range number red
        bool selectsPointOnFocus; // entering selects a text with a point
        QLineEdit* enterTarget;   // where Enter moves the focus
        bool cycleColours;        // the refresh cycle colours an accepted text
        bool takesFocus;          // an accepted text brings the focus here
        void (Form1::*GotFocus)();
        void (Form1::*LostFocus)();
        void (Form1::*KeyPress)(Int16& KeyAscii);
        void (Form1::*KeyUp)(Int16& KeyCode, Int16& Shift);
        // What the box carries: the refused mark (red while set), whether its
        // backup is a refused text, and the size the program last wrote.
        mutable bool refused = false;
        mutable bool backupRefused = false;
        mutable Text written{};
        bool InSizePanel() const { return unit > 1; }
    };
    const EntryBox& Row(const QLineEdit* control) const;

    // --- Start-up, toggle and backups (app/Form1.cpp) ---
    void CreateControls();
    void DescribeEntryBoxes();
    void Form_Load();
    void cmdOpt_Click();
    void SetStringBak();
    // Sets the window's outer height in twips.
    void SetHeight(int twips);
    // A maximize request, and the way back from a maximize.
    void WindowStateRequested(Qt::WindowState state);
    void Unmaximize();

    // --- Refresh cycle (app/RefreshCycle.cpp) ---
    void Timer1_Timer();
    // Starts the timer unless it runs: a running timer keeps its phase.
    void WakeTimer1();
    // Any change of a box text wakes the timer and clears the box's refused
    // mark; who refuses the new text sets it again.
    void TextChanged(const EntryBox& box);
    void SetRefused(const EntryBox& box, bool refused);
    // Collapsed, the size boxes are out of reach: no focus, nothing to read.
    void ShowSizeBoxes(bool shown);

    // --- Bit buttons (panel/BitButtons.cpp) ---
    void SetcmdBitStatus(Text InBinStr);
    void BitButton_Click(std::int16_t index);
    void ApplyBitLook(std::int16_t index, bool set);
    // The hexadecimal box, the binary label and the bit buttons.
    void SetRegisterViews(std::int32_t p);

    // --- What the five entry boxes share (panel/EntryBoxes.cpp) ---
    void GotFocus(const EntryBox& box);
    void LostFocus(const EntryBox& box);
    void KeyPress(const EntryBox& box, Int16& KeyAscii);
    void KeyUp(const EntryBox& box, Int16& KeyCode, Int16& Shift);
    void CopyOrPaste(const EntryBox& box, Int16& KeyCode, Int16& Shift);
    // Every other view from a text the box accepts.
    void SetValueFrom(const EntryBox& box, const Text& t);
    void SetValueFromUnits(const EntryBox& box, const Text& t);

    // --- The entry boxes' handlers: each applies the shared rule to its row ---
    void TxtBoxHex_GotFocus() { GotFocus(Row(TxtBoxHex)); }
    void TxtBoxDec_GotFocus() { GotFocus(Row(TxtBoxDec)); }
    void txtKsize_GotFocus() { GotFocus(Row(txtKsize)); }
    void TxtMsize_GotFocus() { GotFocus(Row(TxtMsize)); }
    void txtGsize_GotFocus() { GotFocus(Row(txtGsize)); }
    void TxtBoxHex_LostFocus() { LostFocus(Row(TxtBoxHex)); }
    void TxtBoxDec_LostFocus() { LostFocus(Row(TxtBoxDec)); }
    void txtKsize_LostFocus() { LostFocus(Row(txtKsize)); }
    void TxtMsize_LostFocus() { LostFocus(Row(TxtMsize)); }
    void txtGsize_LostFocus() { LostFocus(Row(txtGsize)); }
    void TxtBoxHex_KeyPress(Int16& KeyAscii) { KeyPress(Row(TxtBoxHex), KeyAscii); }
    void TxtBoxDec_KeyPress(Int16& KeyAscii) { KeyPress(Row(TxtBoxDec), KeyAscii); }
    void txtKsize_KeyPress(Int16& KeyAscii) { KeyPress(Row(txtKsize), KeyAscii); }
    void TxtMsize_KeyPress(Int16& KeyAscii) { KeyPress(Row(TxtMsize), KeyAscii); }
    void txtGsize_KeyPress(Int16& KeyAscii) { KeyPress(Row(txtGsize), KeyAscii); }
    void TxtBoxHex_KeyUp(Int16& KeyCode, Int16& Shift) { KeyUp(Row(TxtBoxHex), KeyCode, Shift); }
    void TxtBoxDec_KeyUp(Int16& KeyCode, Int16& Shift) { KeyUp(Row(TxtBoxDec), KeyCode, Shift); }
    void txtKsize_KeyUp(Int16& KeyCode, Int16& Shift) { KeyUp(Row(txtKsize), KeyCode, Shift); }
    void TxtMsize_KeyUp(Int16& KeyCode, Int16& Shift) { KeyUp(Row(TxtMsize), KeyCode, Shift); }
    void txtGsize_KeyUp(Int16& KeyCode, Int16& Shift) { KeyUp(Row(txtGsize), KeyCode, Shift); }

    // --- Hexadecimal box (panel/HexBox.cpp) ---
    void SetValueFromHex(const Text& t);

    // --- Size fields and size boxes (sizes/) ---
    void SetKB_MB_GB(const Text& InDecStr);
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

    // The five entry boxes in the refresh cycle's order.
    std::array<EntryBox, 5> EntryBoxes{};
    EventAdapter* adapter = nullptr;
    bool unmaximizeAfterPaint = false;
};
