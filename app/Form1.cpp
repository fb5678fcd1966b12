// SPDX-License-Identifier: GPL-3.0-or-later
// The window: its form description, start-up, the size-panel toggle and the
// backup strings.
#include "Form1.h"

#include "Accessibility.h"
#include "Controls.h"
#include "EventAdapter.h"
#include "WindowSizeKeeper.h"

#include <QButtonGroup>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

#include <vector>

namespace {

// The icon as XPM, which Qt reads without loading any image-format plugin.
#include "icons/tavrin-16.xpm"
#include "icons/tavrin-32.xpm"

// Positions and sizes are given in twips, 15 to a device-independent pixel.
int Px(int twips) {
    return qRound(twips / 15.0);
}
QRect Twips(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

// The window's outer heights include a frame of this many twips (a title bar
// and borders); the program sets the client area, so that whatever frame the
// window manager draws, collapsed shows the register panel whole and none of
// the size panel.
constexpr int FrameTwips = 320;
constexpr int ClientWidthTwips = 7515;

// The window's font. The bit rulers' runs of spaces set each number over its
// button column when a digit is 6 pixels wide and a space 3: DejaVu Sans has
// that 2:1 ratio, and at 9 pixels stretched by 5% those widths. Chinese falls
// back to a CJK family.
QFont WindowFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(9);
    font.setStretch(105);
    return font;
}
// The face's own width, asked for explicitly: left to any width, the longest
// size text the program writes ("3648367.7333") scrolls against a size box's
// left border instead of keeping its margin.
QFont BoxFont(double points) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setStretch(QFont::Unstretched);
    return font;
}

// A ruler of bit numbers from `first` down, each run of spaces after a number
// setting the next one above its button column.
QString Ruler(int first, std::initializer_list<int> runs) {
    QString caption = QString::number(first);
    int number = first;
    for (int run : runs)
        caption += QString(run, u' ') + QString::number(--number);
    return caption;
}

// Columns of the bit buttons, from the left: bits 31 to 16 above, 15 to 0 below.
constexpr int BitColumnLeft[16] = {480,  840,  1200, 1560, 2280, 2640, 3000, 3360,
                                   4080, 4440, 4800, 5160, 5850, 6225, 6585, 6960};

} // namespace

namespace {

std::vector<bool> SelectsPointOnEntry(const auto& boxes) {
    std::vector<bool> selects;
    for (const auto& box : boxes)
        selects.push_back(box.selectsPointOnEntry);
    return selects;
}

} // namespace

Form1::Form1(QWidget* parent, bool ticksByItself)
    : QWidget(parent), keystrokes(SelectsPointOnEntry(entryBoxes)) {
    sizeKeeper = new WindowSizeKeeper(this, Px(ClientWidthTwips));
    CreateControls();
    for (EntryBox& box : entryBoxes) {
        SetText(Control(box), box.defaultText);
        connect(Control(box), &QLineEdit::textChanged, this, [this, &box] { TextChanged(box); });
    }
    adapter = new EventAdapter(this);
    Form_Load();
    if (!ticksByItself)
        Timer1->setInterval(std::chrono::hours(24));
    Timer1->start();
    ReadyToType();
    create(); // its native window, whose states the size keeper follows
    sizeKeeper->Watch();
}

// The handlers go first: closing the window takes the focus from a box, and
// no handler may run on a window half taken down.
Form1::~Form1() {
    delete adapter;
}

// The form description: every control with its name, place, caption and font,
// in the order the form creates them.
void Form1::CreateControls() {
    InstallAccessibility();
    setWindowTitle(QStringLiteral("Tavrin V1.0"));
    QIcon icon;
    icon.addPixmap(QPixmap(tavrin_16));
    icon.addPixmap(QPixmap(tavrin_32));
    setWindowIcon(icon);
    setFont(WindowFont());
    // A fixed size: a title bar offers no maximize button where the window
    // manager honours the hint.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(RefreshInterval);
    CreateBoxes();
    CreateBitButtons();
    CreateLabels();
    SetControlOrder();
}

// The entry boxes, and the size-panel toggle among them. A box is read out
// under the caption beside it.
void Form1::CreateBoxes() {
    auto box = [this](const char* name, QRect place, const QString& caption) {
        auto* control = new QLineEdit(this);
        control->setObjectName(QLatin1String(name));
        control->setAccessibleName(caption);
        control->setGeometry(place);
        control->setFont(BoxFont(9.75));
        // Qt's own default, said here: the value library reads no longer text.
        control->setMaxLength(value::MaxTextLength);
        return control;
    };
    txtGsize = box("txtGsize", Twips(600, 4800, 1575, 315), QStringLiteral("GB"));
    TxtMsize = box("TxtMsize", Twips(600, 4320, 1575, 315), QStringLiteral("MB"));
    txtKsize = box("txtKsize", Twips(600, 3840, 1575, 315), QStringLiteral("KB"));

    cmdOpt = new QPushButton(QStringLiteral("<<"), this);
    cmdOpt->setObjectName(QStringLiteral("cmdOpt"));
    cmdOpt->setGeometry(Twips(6960, 3240, 375, 255));
    cmdOpt->setAccessibleName(QStringLiteral("显示大小面板")); // what a press does
    cmdOpt->setFocusPolicy(Qt::TabFocus); // a click leaves the keyboard in the box, as a bit's

    TxtBoxDec = box("TxtBoxDec", Twips(4680, 2640, 2535, 375), QStringLiteral("十进制"));
    TxtBoxHex = box("TxtBoxHex", Twips(1560, 2640, 2055, 375), QStringLiteral("十六进制"));
    for (const EntryBox& box : entryBoxes) {
        if (box.colourAtStart != BoxMarks::Colour::Desktop)
            PaintBox(Control(box), box.colourAtStart);
    }
}

// Bits 31 to 16 above, 15 to 0 below, each with its weight as a tooltip.
void Form1::CreateBitButtons() {
    // They show their background colour flat on the face, as the classic
    // Windows style paints a button: Fusion would draw a gradient.
    auto* flatFace = QStyleFactory::create(QStringLiteral("Windows"));
    flatFace->setParent(this);
    // Not exclusive and not checkable: a click toggles its own bit only. In
    // the group the arrow keys move the focus between the bits by position.
    BitButton = new QButtonGroup(this);
    BitButton->setExclusive(false);
    for (int index = 31; index >= 0; --index) {
        const bool upper = index >= 16;
        const int column = 15 - index % 16;
        auto* button = new QPushButton(QStringLiteral("0"), this);
        button->setObjectName(QStringLiteral("BitButton(%1)").arg(index));
        button->setGeometry(Twips(BitColumnLeft[column], upper ? 840 : 1920, 255, 495));
        button->setStyle(flatFace);
        button->setFocusPolicy(Qt::TabFocus); // a click leaves the focus where it was
        button->setAccessibleName(QStringLiteral("位 %1").arg(index) +
                                  (index == 0    ? QStringLiteral("（最低位）")
                                   : index == 31 ? QStringLiteral("（最高位）")
                                                 : QString()));
        const auto weight = 1ull << index;
        button->setToolTip(QStringLiteral("位 %1 = %2 = 0x%3")
                               .arg(index)
                               .arg(weight)
                               .arg(QString::number(weight, 16).toUpper()));
        BitButton->addButton(button, index);
    }
}

// A caption is its box's buddy: a screen reader relates the two, and it
// shows only while its box does. The binary label's digits are its name.
void Form1::CreateLabels() {
    auto label = [this](const char* name, QRect place, const QString& caption) {
        auto* control = new QLabel(caption, this);
        control->setObjectName(QLatin1String(name));
        control->setGeometry(place);
        control->setAutoFillBackground(true);
        return control;
    };
    label("Label9", Twips(2280, 4800, 615, 255), QStringLiteral("GB"))->setBuddy(txtGsize);
    label("Label8", Twips(2280, 4320, 615, 255), QStringLiteral("MB"))->setBuddy(TxtMsize);
    label("Label7", Twips(2280, 3840, 615, 255), QStringLiteral("KB"))->setBuddy(txtKsize);
    LableBin = label("LableBin", Twips(1440, 3240, 3735, 375), QStringLiteral("0"));
    label("Label6", Twips(480, 3240, 855, 495), QStringLiteral("二进制："))->setBuddy(LableBin);
    label("Label5", Twips(3720, 2760, 975, 255), QStringLiteral("十进制："))->setBuddy(TxtBoxDec);
    label("Label4", Twips(480, 2760, 975, 255), QStringLiteral("十六进制："))->setBuddy(TxtBoxHex);
    label("Label3", Twips(480, 600, 6855, 255),
          Ruler(31, {4, 5, 4, 11, 4, 4, 4, 12, 4, 4, 4, 11, 5, 4, 4}));
    label("Label2", Twips(480, 1680, 6735, 255),
          Ruler(15, {5, 4, 3, 12, 4, 5, 6, 15, 6, 5, 6, 14, 6, 6, 7}));
    label("Label1", Twips(3240, 120, 1455, 375), QStringLiteral("寄存器计算"))
        ->setFont(BoxFont(12));
}

// Boxes and buttons stack above the labels, which touch some of them. Tab
// reaches the bits first, as their tab indices come first in the form, from
// bit 0 up; then the boxes and the toggle as they stand on the window.
void Form1::SetControlOrder() {
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!qobject_cast<QLabel*>(control))
            control->raise();
    }
    std::vector<QWidget*> tabOrder;
    for (int index = 0; index < 32; ++index)
        tabOrder.push_back(BitButton->button(index));
    tabOrder.insert(tabOrder.end(), {TxtBoxHex, TxtBoxDec, cmdOpt, txtKsize, TxtMsize, txtGsize});
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void Form1::Form_Load() {
    SetHeight(4100);
    ShowSizeBoxes(false);
    for (const EntryBox& box : entryBoxes)
        Backup(box) = box.defaultText;
}

void Form1::ShowStartValue(const Text& validated) {
    const EntryBox& box = Box(value::HasHexPrefix(validated) ? TxtBoxHex : TxtBoxDec);
    SetText(Control(box), validated);
    WriteOtherViews(box, value::Trim(validated));
    SetStringBak();
    ReadyToType();
}

// At start the hexadecimal box has the focus, its digits after the prefix
// selected: a value typed at once replaces them and reads as typed after "0x".
void Form1::ReadyToType() {
    TxtBoxHex->setFocus();
    const auto prefix = static_cast<int>(value::HexPrefixLength(TextOf(TxtBoxHex)));
    TxtBoxHex->setSelection(prefix, static_cast<int>(TxtBoxHex->text().size()) - prefix);
}

void Form1::ShowSizeBoxes(bool shown) {
    for (const EntryBox& box : entryBoxes) {
        if (!box.InSizePanel())
            continue;
        if (!shown && Control(box)->hasFocus())
            TxtBoxHex->setFocus();
        Control(box)->setVisible(shown);
    }
    for (QLabel* caption : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (caption->buddy())
            caption->setVisible(!caption->buddy()->isHidden());
    }
}

void Form1::SetHeight(int twips) {
    sizeKeeper->SetHeight(Px(twips - FrameTwips));
}

bool Form1::SizePanelShown() const {
    return TextOf(cmdOpt) == u">>";
}

void Form1::cmdOpt_Click() {
    if (!SizePanelShown()) {
        SetHeight(5800);
        ShowSizeBoxes(true);
        SetCaption(cmdOpt, QStringLiteral(">>"));
        cmdOpt->setAccessibleName(QStringLiteral("隐藏大小面板"));
        setWindowTitle(QStringLiteral("Tavrin (By Dorrik)"));
    } else {
        SetHeight(4100);
        ShowSizeBoxes(false);
        SetCaption(cmdOpt, QStringLiteral("<<"));
        cmdOpt->setAccessibleName(QStringLiteral("显示大小面板"));
        setWindowTitle(QStringLiteral("Tavrin V1.0"));
    }
    AnnounceExpandedChange(cmdOpt);
    AnnounceClick(cmdOpt, SizePanelShown() ? QStringLiteral("大小面板已显示")
                                           : QStringLiteral("大小面板已隐藏"));
    repaint();
}

void Form1::SetStringBak() {
    for (EntryBox& box : entryBoxes) {
        Backup(box) = TextOf(Control(box));
        box.marks.Recorded();
    }
}
