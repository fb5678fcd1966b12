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
    explicit Form1(QWidget* parent = nullptr);

  private:
    friend class EventAdapter;
    using Text = value::Text;

    // One entry box, described once: the handlers, the backups and the
    // refresh cycle read its row.
    struct EntryBox {
        QLineEdit* control;
        Text* backup;
        Text defaultText;        // at start, and when the box is left empty
        value::EntryRules rules; // what typing and a key release accept
        Text (*validator)(Text); // what a paste and the refresh cycle accept
        double unit;             // bytes a unit of a whole-number box; 0: hexadecimal
        bool rangeOnFocus;       // entering turns an out-of-range number red
        bool selectsPointOnFocus; // entering selects a text with a point
        QLineEdit* enterTarget;  // where Enter moves the focus
        bool cycleColours;       // the refresh cycle colours an accepted text
        bool takesFocus;         // an accepted text brings the focus here
        void (Form1::*GotFocus)();
        void (Form1::*LostFocus)();
        void (Form1::*KeyPress)(std::int16_t& KeyAscii);
        void (Form1::*KeyUp)(std::int16_t& KeyCode, std::int16_t& Shift);
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

    // --- Refresh cycle (app/RefreshCycle.cpp) ---
    void Timer1_Timer();

    // --- Bit buttons (panel/BitButtons.cpp) ---
    void SetcmdBitStatus(Text InBinStr);
    void BitButton_Click(std::int16_t index);
    void ApplyBitLook(std::int16_t index, bool set);
    // The hexadecimal box, the binary label and the bit buttons.
    void SetRegisterViews(std::int32_t p);

    // --- What the five entry boxes share (panel/EntryBoxes.cpp) ---
    void EntryBox_GotFocus(const EntryBox& box);
    void EntryBox_LostFocus(const EntryBox& box);
    void EntryBox_KeyPress(const EntryBox& box, std::int16_t& KeyAscii);
    void EntryBox_KeyUp(const EntryBox& box, std::int16_t& KeyCode, std::int16_t& Shift);
    void CopyOrPaste(const EntryBox& box, std::int16_t& KeyCode, std::int16_t& Shift);
    // Every other view from a text the box accepts.
    void SetValueFrom(const EntryBox& box, const Text& t);
    void SetValueFromUnits(const EntryBox& box, const Text& t);

    // --- Entry boxes: each applies the shared rule to its row ---
    void TxtBoxHex_GotFocus() { EntryBox_GotFocus(Row(TxtBoxHex)); }
    void TxtBoxHex_LostFocus() { EntryBox_LostFocus(Row(TxtBoxHex)); }
    void TxtBoxHex_KeyPress(std::int16_t& KeyAscii) { EntryBox_KeyPress(Row(TxtBoxHex), KeyAscii); }
    void TxtBoxHex_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
        EntryBox_KeyUp(Row(TxtBoxHex), KeyCode, Shift);
    }
    void TxtBoxDec_GotFocus() { EntryBox_GotFocus(Row(TxtBoxDec)); }
    void TxtBoxDec_LostFocus() { EntryBox_LostFocus(Row(TxtBoxDec)); }
    void TxtBoxDec_KeyPress(std::int16_t& KeyAscii) { EntryBox_KeyPress(Row(TxtBoxDec), KeyAscii); }
    void TxtBoxDec_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
        EntryBox_KeyUp(Row(TxtBoxDec), KeyCode, Shift);
    }
    void txtKsize_GotFocus() { EntryBox_GotFocus(Row(txtKsize)); }
    void txtKsize_LostFocus() { EntryBox_LostFocus(Row(txtKsize)); }
    void txtKsize_KeyPress(std::int16_t& KeyAscii) { EntryBox_KeyPress(Row(txtKsize), KeyAscii); }
    void txtKsize_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
        EntryBox_KeyUp(Row(txtKsize), KeyCode, Shift);
    }
    void TxtMsize_GotFocus() { EntryBox_GotFocus(Row(TxtMsize)); }
    void TxtMsize_LostFocus() { EntryBox_LostFocus(Row(TxtMsize)); }
    void TxtMsize_KeyPress(std::int16_t& KeyAscii) { EntryBox_KeyPress(Row(TxtMsize), KeyAscii); }
    void TxtMsize_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
        EntryBox_KeyUp(Row(TxtMsize), KeyCode, Shift);
    }
    void txtGsize_GotFocus() { EntryBox_GotFocus(Row(txtGsize)); }
    void txtGsize_LostFocus() { EntryBox_LostFocus(Row(txtGsize)); }
    void txtGsize_KeyPress(std::int16_t& KeyAscii) { EntryBox_KeyPress(Row(txtGsize), KeyAscii); }
    void txtGsize_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
        EntryBox_KeyUp(Row(txtGsize), KeyCode, Shift);
    }

    // --- Hexadecimal box (panel/HexBox.cpp) ---
    void SetValueFromHex(const Text& t);

    // --- Size fields and size boxes (sizes/) ---
    void SetKB_MB_GB(const Text& InDecStr);
    // The decimal box and the other two size boxes from a size box's units.
    void SetViewsFromSize(const EntryBox& box, double units);

    // --- Controls, as the form description creates them ---
    QTimer* Timer1 = nullptr;
    QLineEdit* txtGsize = nullptr;
    QLineEdit* TxtMsize = nullptr;
    QLineEdit* txtKsize = nullptr;
    QPushButton* cmdOpt = nullptr;
    QLineEdit* TxtBoxDec = nullptr;
    QLineEdit* TxtBoxHex = nullptr;
    QButtonGroup* BitButton = nullptr; // the 32 bit buttons, the bit number as id
    QLabel* Label9 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* LableBin = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;

    // --- Backup strings: the last recorded text of each box ---
    Text HexStrBak;
    Text DecStrBak;
    Text KsizeStrBak;
    Text MsizeStrBak;
    Text GsizeStrBak;

    // The five entry boxes in the refresh cycle's order.
    std::array<EntryBox, 5> EntryBoxes{};
    EventAdapter* adapter = nullptr;
};
