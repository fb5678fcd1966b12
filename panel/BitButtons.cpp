// SPDX-License-Identifier: GPL-3.0-or-later
// The 32 bit buttons: painted from the binary label, and a click toggles one
// bit of the value the label holds.
#include "Form1.h"

#include "Accessibility.h"
#include "Controls.h"

#include <QButtonGroup>
#include <QGuiApplication>

using namespace value;

// The colours first, then the caption: a screen reader told of the new
// caption reads the button as it now looks.
void Form1::ApplyBitLook(std::int16_t index, bool set) {
    QAbstractButton* button = BitButton->button(index);
    SetColours(button, QPalette::Button, QPalette::ButtonText, set ? &colours::LightBlue : nullptr);
    const QString caption = set ? QStringLiteral("1") : QStringLiteral("0");
    if (button->text() == caption)
        return;
    SetCaption(button, caption);
    AnnounceBitChange(button);
}

void Form1::SetcmdBitStatus(Text InBinStr) {
    const Text B = GetFormatBinStr(InBinStr);
    const auto L = B.size();
    for (std::int16_t k = 0; k < 32; ++k) {
        const auto position = static_cast<std::size_t>(k);
        ApplyBitLook(k, position < L && B[L - 1 - position] == u'1');
    }
}

// The value comes from LableBin alone, never from the boxes or the buttons.
void Form1::BitButton_Click(std::int16_t index) {
    const Text T = GetFormatBinStr(Trim(TextOf(LableBin)));
    std::int32_t v = 0;
    for (std::int16_t i = 1; i <= 32; ++i) {
        const auto position = static_cast<std::size_t>(i);
        const bool one = position <= T.size() && T[T.size() - position] == u'1';
        v = one ? BitSet(v, i - 1) : BitClear(v, i - 1);
    }

    if (BitIsSet(v, index) == True) {
        v = BitClear(v, index);
        ApplyBitLook(index, false);
    } else {
        v = BitSet(v, index);
        ApplyBitLook(index, true);
    }

    AnnounceClick(BitButton->button(index),
                  QStringLiteral("位 %1 置 %2").arg(index).arg(BitIsSet(v, index) == True ? 1 : 0));

    const Views views = ViewsOf(v);
    SetText(TxtBoxDec, views.dec);
    SetText(LableBin, views.bin);
    SetText(TxtBoxHex, views.hex);
    SetKB_MB_GB(Trim(TextOf(TxtBoxDec)));
    // The click has written all five boxes: recorded now, a text the refresh
    // cycle refuses in one of them gets the click's value back, not the one
    // before it.
    SetStringBak();
}

void Form1::WriteRegisterViews(std::int32_t p) {
    const Views views = ViewsOf(p);
    SetText(TxtBoxHex, views.hex);
    SetText(LableBin, views.bin);
    SetcmdBitStatus(GetFormatBinStr(TextOf(LableBin)));
}
