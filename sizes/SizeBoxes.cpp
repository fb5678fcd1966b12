// The kilobyte, megabyte and gigabyte boxes: typing a whole number of units
// sets the value to that many bytes and rewrites every other view. The three
// boxes follow one pattern, with the parameters below.
#include "Form1.h"

#include "Controls.h"

using namespace value;

struct Form1::SizeBox {
    double bytesPerUnit;
    double rangeLimit;       // a number this large or larger is refused
    int lengthLimit;         // significant digits the box takes
    char16_t highestDigit;   // the highest digit typing accepts
    QWidget* next;           // where Enter moves the focus
    Text (*validator)(Text); // what a paste must pass
    bool rangeOnFocus;       // whether entering the box tests the range
};

auto Form1::SizeBoxOf(const QLineEdit* box) const -> SizeBox {
    if (box == txtKsize)
        return {1024.0, 4194304.0, 7, u'9', TxtMsize, IsKBStr, true};
    if (box == TxtMsize)
        return {1048576.0, 4096.0, 4, u'9', txtGsize, IsMBStr, true};
    return {1073741824.0, 4.0, 1, u'3', TxtBoxHex, IsGBStr, false};
}

// A size text with a point is selected whole, so that typing replaces it.
void Form1::SizeBox_GotFocus(QLineEdit* box) {
    EnterBox(box);
    if (IsDot(TextOf(box)) == True)
        box->selectAll();
    const SizeBox size = SizeBoxOf(box);
    if (size.rangeOnFocus && IsOutOfRange(Trim(TextOf(box)), size.rangeLimit))
        SetBackColor(box, colours::Red);
}

void Form1::SizeBox_KeyPress(QLineEdit* box, std::int16_t& KeyAscii) {
    const SizeBox size = SizeBoxOf(box);
    FilterDigitKey(box, KeyAscii, size.lengthLimit, size.highestDigit, size.next);
}

// A refused text (too large, or not digits alone, as a size written with a
// point) only turns the box red; it is recorded as the box's backup all the
// same, so that the refresh cycle leaves it in place.
void Form1::SizeBox_KeyUp(QLineEdit* box, std::int16_t& KeyCode, std::int16_t& Shift) {
    const SizeBox size = SizeBoxOf(box);
    CopyOrPaste(box, KeyCode, Shift, size.validator);
    if (IsOutOfRange(Trim(TextOf(box)), size.rangeLimit)) {
        SetBackColor(box, colours::Red);
        SetStringBakOf(box);
    } else {
        EnterBox(box);
        SetValueFromSize(box);
        if (box == txtGsize)
            txtGsize->setFocus();
        SetStringBak();
    }
}

// The box itself keeps its text as typed ("0012" stays "0012").
void Form1::SetValueFromSize(QLineEdit* box) {
    const double units = DecStr2DoubleValue(Trim(TextOf(box)));
    SetRegisterViews(DoubleValue2LongValue(units * SizeBoxOf(box).bytesPerUnit));
    SetDecFromHex();
    if (box == txtKsize) {
        SetText(TxtMsize, QuotientText(units, 1024.0));
        SetText(txtGsize, QuotientText(units, 1048576.0));
    } else if (box == TxtMsize) {
        SetText(txtKsize, DecimalDigits(units * 1024.0));
        SetText(txtGsize, QuotientText(units, 1024.0));
    } else {
        SetText(txtKsize, DecimalDigits(units * 1024.0 * 1024.0));
        SetText(TxtMsize, DecimalDigits(units * 1024.0));
    }
}
