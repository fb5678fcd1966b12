#pragma once

#include "Value.h"

#include <QWidget>

#include <array>
#include <cstdint>

class EventAdapter;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The calculator's one window: the register panel above, the size panel
// below, and every handler of their controls. The handlers live with their
// controls: app/ (start-up, size-panel toggle, refresh cycle), panel/ (bit
// buttons, hexadecimal and decimal boxes) and sizes/ (size boxes).
class Form1 : public QWidget {
    Q_OBJECT

  public:
    explicit Form1(QWidget* parent = nullptr);

  private:
    friend class EventAdapter;
    using Text = value::Text;

    // --- Start-up, toggle and backups (app/Form1.cpp) ---
    void CreateControls();
    void Form_Load();
    void cmdOpt_Click();
    void SetStringBak();
    void SetStringBakOf(const QLineEdit* box);
    // Sets the window's outer height in twips.
    void SetHeight(int twips);

    // --- Refresh cycle (app/RefreshCycle.cpp) ---
    void Timer1_Timer();
    // Restores a box to its backup when its validator refuses its text.
    bool Refused(QLineEdit* box, const Text& validated, const Text& backup);
    void SetRegisterViews(std::int32_t p);
    void SetDecFromHex();

    // --- Bit buttons (panel/BitButtons.cpp) ---
    void SetcmdBitStatus(Text InBinStr);
    void BitButton_Click(std::int16_t index);
    void ApplyBitLook(std::int16_t index, bool set);

    // --- What the five entry boxes share (panel/EntryBoxes.cpp) ---
    value::Boolean IsCopyKey(std::int16_t& KeyCode, std::int16_t& Shift);
    value::Boolean IsPasterKey(std::int16_t& KeyCode, std::int16_t& Shift);
    // Copies the box's whole text, or pastes the clipboard's text when the
    // validator accepts it.
    void CopyOrPaste(QLineEdit* box, std::int16_t& KeyCode, std::int16_t& Shift,
                     Text (*validator)(Text));
    // Esc and Enter, then the length guard and the digits a box takes; the
    // character is cancelled (set to 0) when refused.
    void FilterDigitKey(QLineEdit* box, std::int16_t& KeyAscii, int lengthLimit,
                        char16_t highestDigit, QWidget* next);
    void EnterBox(QLineEdit* box);
    void LeaveBox(QLineEdit* box, const Text& defaultText);

    // --- Hexadecimal box (panel/HexBox.cpp) ---
    void TxtBoxHex_GotFocus();
    void TxtBoxHex_LostFocus();
    void TxtBoxHex_KeyPress(std::int16_t& KeyAscii);
    void TxtBoxHex_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift);
    void SetValueFromHex(const Text& t);

    // --- Decimal box (panel/DecBox.cpp) ---
    void TxtBoxDec_GotFocus();
    void TxtBoxDec_LostFocus();
    void TxtBoxDec_KeyPress(std::int16_t& KeyAscii);
    void TxtBoxDec_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift);
    void SetValueFromDec(const Text& t);

    // --- Size fields (sizes/SizeFields.cpp) ---
    void SetKB_MB_GB(const Text& InDecStr);

    // --- Size boxes (sizes/SizeBoxes.cpp) ---
    struct SizeBox;
    SizeBox SizeBoxOf(const QLineEdit* box) const;
    void SizeBox_GotFocus(QLineEdit* box);
    void SizeBox_KeyPress(QLineEdit* box, std::int16_t& KeyAscii);
    void SizeBox_KeyUp(QLineEdit* box, std::int16_t& KeyCode, std::int16_t& Shift);
    // Sets the value from a size box's number of units and rewrites every
    // other view, the other two size boxes included.
    void SetValueFromSize(QLineEdit* box);
    void txtKsize_GotFocus() { SizeBox_GotFocus(txtKsize); }
    void txtKsize_LostFocus() { LeaveBox(txtKsize, u"0"); }
    void txtKsize_KeyPress(std::int16_t& KeyAscii) { SizeBox_KeyPress(txtKsize, KeyAscii); }
    void txtKsize_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
        SizeBox_KeyUp(txtKsize, KeyCode, Shift);
    }
    void TxtMsize_GotFocus() { SizeBox_GotFocus(TxtMsize); }
    void TxtMsize_LostFocus() { LeaveBox(TxtMsize, u"0"); }
    void TxtMsize_KeyPress(std::int16_t& KeyAscii) { SizeBox_KeyPress(TxtMsize, KeyAscii); }
    void TxtMsize_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
        SizeBox_KeyUp(TxtMsize, KeyCode, Shift);
    }
    void txtGsize_GotFocus() { SizeBox_GotFocus(txtGsize); }
    void txtGsize_LostFocus() { LeaveBox(txtGsize, u"0"); }
    void txtGsize_KeyPress(std::int16_t& KeyAscii) { SizeBox_KeyPress(txtGsize, KeyAscii); }
    void txtGsize_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
        SizeBox_KeyUp(txtGsize, KeyCode, Shift);
    }

    // --- Controls, as the form description creates them ---
    QTimer* Timer1 = nullptr;
    QLineEdit* txtGsize = nullptr;
    QLineEdit* TxtMsize = nullptr;
    QLineEdit* txtKsize = nullptr;
    QPushButton* cmdOpt = nullptr;
    QLineEdit* TxtBoxDec = nullptr;
    QLineEdit* TxtBoxHex = nullptr;
    std::array<QPushButton*, 32> BitButton{};
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

    EventAdapter* adapter = nullptr;
};
