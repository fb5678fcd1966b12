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
    // Sets the window's outer height in twips.
    void SetHeight(int twips);

    // --- Refresh cycle (app/RefreshCycle.cpp) ---
    void Timer1_Timer();
    void RefreshFromHex();
    void RefreshFromDec();
    void RefreshFromKsize();
    void RefreshFromMsize();
    void RefreshFromGsize();
    void SetRegisterViews(std::int32_t p);
    void SetDecFromHex();

    // --- Bit buttons (panel/BitButtons.cpp) ---
    void SetcmdBitStatus(Text InBinStr);
    void BitButton_Click(std::int16_t index);
    void ApplyBitLook(std::int16_t index, bool set);

    // --- Size fields (sizes/SizeFields.cpp) ---
    void SetKB_MB_GB(const Text& InDecStr);

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
