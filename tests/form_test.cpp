// Drives a real Form1 by keys, clicks and ticks. The functions named in
// tests/CMakeLists.txt run on a real X server too: there the window server
// takes part (window size, focus and activation, clipboard).
#include "FormDriver.h"

#include <QAccessible>
#include <QInputMethodEvent>

class FormTest : public QObject, FormDriver {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(Start()); }
    void cleanup() { form.reset(); }

    // A box given a text (its [bracketed] part selected) and the focus, then
    // keys typed; or, with no text given, the input put in without a key and
    // taken up by the refresh cycle: the views and the box's colour after.
    void entries() {
        // clang-format off
        const char* rows[][5] = {
            {"TxtBoxHex", "0x1", "f", "0x1F|31|1 1111|0.0302|0.0000|0.0000", "c"},
            {"TxtBoxHex", "0x12345678", "9ab", "0x12345678|305419896|1 0010 0011 0100 0101 0110 0111 1000|298261.6171|291.2711|0.2844", "c"},
            {"TxtBoxHex", "[0x]12345678", "5", "0x12345678|305419896|1 0010 0011 0100 0101 0110 0111 1000|298261.6171|291.2711|0.2844", "c"},
            {"TxtBoxHex", "0", "xf", "0xF|15|1111|0.0146|0.0000|0.0000", "c"},
            {"TxtBoxHex", "0x1F", "\b\b\b\b", "|0|0|0|0|0", "c"},
            {"TxtBoxDec", "", "2x.5- 5", "0xFF|255|1111 1111|0.2490|0.0002|0.0000", "c"},
            {"TxtBoxDec", "[1234567890]", "7", "0x7|7|111|0.0068|0.0000|0.0000", "c"},
            {"TxtBoxDec", "", "4294967296", "0x19999999|4294967296|1 1001 1001 1001 1001 1001 1001 1001|419430.3994|409.5999|0.3999", "r"},
            {"txtKsize", "0001234567", "8", "0x4B5A1C00|1264196608|100 1011 0101 1010 0001 1100 0000 0000|0001234567|1205.6318|1.1774", "c"},
            {"TxtMsize", "", "4095", "0xFFF00000|4293918720|1111 1111 1111 0000 0000 0000 0000 0000|4193280|4095|3.9990", "c"},
            {"txtGsize", "", "0439", "0xC0000000|3221225472|1100 0000 0000 0000 0000 0000 0000 0000|3145728|3072|03", "c"},
            {"TxtBoxHex", "50x12", "g", "50x12|0|0|0|0|0", "r"}, // texts only the toolkit's own editing puts there
            {"TxtBoxDec", "1.1234567891", "g", "0x0|1.1234567891|0|0|0|0", "r"},
            {"txtKsize", "9E-10", "g", "0x0|0|0|9E-10|0|0", "r"},
            {"TxtBoxHex", nullptr, " 0x1f ", " 0x1f |31|1 1111|0.0302|0.0000|0.0000", "c"}, // no key: the refresh cycle
            {"TxtBoxHex", nullptr, "0x123456789", "0x0|0|0|0|0|0", "c"},
            {"TxtBoxDec", nullptr, "007", "0x7|007|111|0.0068|0.0000|0.0000", "c"},
            {"txtKsize", nullptr, "32", "0x8000|32768|1000 0000 0000 0000|32|0.0313|0.0000", "w"},
            {"TxtMsize", nullptr, "1024", "0x40000000|1073741824|100 0000 0000 0000 0000 0000 0000 0000|1048576|1024|1", "c"},
            {"txtGsize", nullptr, "4", "0x0|0|0|0|0|0", "w"},
            {"txtGsize", nullptr, "3", "0xC0000000|3221225472|1100 0000 0000 0000 0000 0000 0000 0000|3145728|3072|3", "c"}};
        // clang-format on
        for (const auto& [name, start, input, expected, colour] : rows) {
            QVERIFY(Start());
            if (start) {
                const QString given(start);
                focusBox(name, QString(given).remove(QRegularExpression("[][]")));
                if (given.startsWith(u'['))
                    box(name)->setSelection(0, given.indexOf(u']') - 1);
                QTest::keyClicks(box(name), input);
            } else {
                edit(name, input);
                tick();
            }
            QCOMPARE(views(), expected);
            QCOMPARE(this->colour(name), *colour == 'c' ? LightCyan : *colour == 'r' ? Red : White);
        }
        QCOMPARE(QApplication::focusWidget(),
                 box("txtGsize")); // an accepted gigabyte text takes the focus
    }

    // Red leaves with the focus and comes back with it; the refresh cycle
    // leaves the recorded text alone.
    void outOfRangeStaysRecorded() {
        QTest::keyClicks(focusBox("TxtBoxDec", "429496729"), "6");
        box("TxtBoxHex")->setFocus();
        QCOMPARE(colour("TxtBoxDec"), White);
        box("TxtBoxDec")->setFocus();
        tick();
        QCOMPARE(colour("TxtBoxDec"), Red);
        QCOMPARE(views(), QStringLiteral("0x0|4294967296|0|0|0|0"));
    }

    // A refused key release leaves another box's pending text (the default
    // written on leaving it empty) to the refresh cycle.
    void refusedKeyLeavesOtherBoxesPending() {
        QTest::keyClicks(focusBox("TxtBoxDec", ""), "5000");
        focusBox("txtGsize", "")->setFocus();
        QTest::keyClick(focusBox("TxtMsize", "0.0047"), Qt::Key_Left);
        tick();
        QCOMPARE(views(), QStringLiteral("0x0|0|0|0|0|0"));
    }

    // Committed text goes through the filter a character at a time.
    void inputMethodTextIsFiltered() {
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("a十b"));
        QApplication::sendEvent(focusBox("TxtBoxHex", "0x"), &commit);
        QCOMPARE(box("TxtBoxHex")->text(), QStringLiteral("0xAB"));
    }

    // A click toggles one bit; a text the cycle refuses then gets the click's
    // value back. A set bit is painted flat light blue.
    void bitClicks() {
        for (int index : {5, 31, 31, 7})
            QTest::mouseClick(bit(index), Qt::LeftButton);
        edit("TxtBoxHex", "0x8zz");
        tick();
        QCOMPARE(views(), QStringLiteral("0xA0|160|1010 0000|0.1562|0.0001|0.0000"));
        const QImage face = bit(7)->grab().toImage();
        QCOMPARE(QColor(face.pixel(face.width() / 2, face.height() / 4)), QColor(128, 128, 255));
    }

    // A screen reader reads each view under its name, with its role and value.
    void accessibilityWalk() {
        QTest::mouseClick(bit(5), Qt::LeftButton);
        QMap<QString, QString> read;
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
        for (int i = 0; i < window->childCount(); ++i)
            read[window->child(i)->text(QAccessible::Name)] =
                QString::number(window->child(i)->role()) + " " +
                window->child(i)->text(QAccessible::Value);
        QCOMPARE(QStringList({read["十六进制"], read["十进制"], read["KB"], read["二进制"],
                              read["位 5"], read["位 31"]}),
                 QStringList({"42 0x20", "42 32", "42 0.0312", "41 10 0000", "43 1", "43 0"}));
    }

    // --- Where the window server takes part ---

    // Collapsed, the size panel lies below the window's edge; Enter from the
    // decimal box goes back to the top while the panel is hidden, and around
    // the five boxes while it is shown.
    void panelAndEnterChain() {
        const auto enter = [] { // the release lands where the press moved the focus
            QTest::keyPress(QApplication::focusWidget(), Qt::Key_Return);
            QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
        };
        QTest::keyClick(focusBox("TxtBoxDec", "1"), Qt::Key_Escape);
        enter();
        QCOMPARE(QApplication::focusWidget(), box("TxtBoxHex"));
        QVERIFY(box("txtKsize")->y() >= form->height());
        QTest::mouseClick(button("cmdOpt"), Qt::LeftButton);
        QCOMPARE(form->windowTitle() + button("cmdOpt")->text(),
                 QStringLiteral("Tavrin (By Dorrik)>>"));
        QVERIFY(box("txtGsize")->geometry().bottom() < form->height());
        box("TxtBoxDec")->setFocus();
        for (const char* name : {"txtKsize", "TxtMsize", "txtGsize", "TxtBoxHex"}) {
            enter();
            QCOMPARE(QApplication::focusWidget(), box(name));
        }
        QCOMPARE(views(), QStringLiteral("0x0|0|0|0|0|0"));
    }

    // The arrow keys move the focus between the bits by position.
    void arrowsMoveAmongTheBits() {
        bit(0)->setFocus();
        for (auto [key, index] : {std::pair{Qt::Key_Left, 1},
                                  {Qt::Key_Up, 17},
                                  {Qt::Key_Right, 16},
                                  {Qt::Key_Down, 0}}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(QApplication::focusWidget(), bit(index));
        }
    }

    // Leaving the window and coming back is no focus change of the box: it
    // keeps its empty text, its colour, and gets no selection.
    void deactivationIsNoFocusChange() {
        QTest::keyClick(focusBox("txtKsize", "4"), Qt::Key_Backspace);
        QWidget other;
        for (QWidget* window : {&other, static_cast<QWidget*>(form.get())}) {
            window->show();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
        }
        QCOMPARE(colour("txtKsize"), LightCyan);
        QTest::keyClicks(box("txtKsize"), "1.5");
        QCOMPARE(box("txtKsize")->text(), QStringLiteral("15"));
    }

    // Copy and paste by the program's own rules; a chord with another
    // modifier, or Ctrl or Alt with a printable key, does nothing.
    void chords() {
        const auto ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
        // clang-format off
        const std::tuple<const char*, const char*, Qt::Key, Qt::KeyboardModifiers, const char*> chords[] = {
            {"TxtBoxHex", "", Qt::Key_C, ctrl | shift, "0x1F"}, {"TxtBoxHex", "0x1F", Qt::Key_C, ctrl, "0x1F"},
            {"TxtBoxHex", "  0XABC  ", Qt::Key_V, ctrl, "0xABC"}, {"TxtBoxHex", "abc", Qt::Key_X, ctrl, "0xABC"},
            {"TxtBoxHex", "abc", Qt::Key_Insert, shift, "abc"}, {"TxtBoxHex", "0x123456789", Qt::Key_V, ctrl, "abc"},
            {"TxtBoxHex", "0x1", Qt::Key_V, ctrl | shift, "abc"}, {"TxtBoxHex", "0x1", Qt::Key_1, ctrl, "abc"},
            {"TxtBoxHex", "0x1", Qt::Key_1, Qt::AltModifier, "abc"}, {"TxtBoxDec", "12a", Qt::Key_V, ctrl, "2748"},
            {"TxtMsize", "1.5", Qt::Key_Insert, shift, "0.0026"}, {"txtKsize", "  0012 ", Qt::Key_V, ctrl, "12"}};
        // clang-format on
        focusBox("TxtBoxHex", "0x1F")->setSelection(2, 1);
        for (const auto& [name, clipboard, key, modifiers, result] : chords) {
            box(name)->setFocus();
            QApplication::clipboard()->setText(
                key == Qt::Key_C ? "" : clipboard); // a copy: the box's whole text
            QTest::keyClick(box(name), key, modifiers);
            QCOMPARE(box(name)->text() + "|" + QApplication::clipboard()->text(),
                     QString(result) + "|" + clipboard);
        }
        QCOMPARE(views().left(7), QStringLiteral("0x3000|"));
    }
};

QTEST_MAIN(FormTest)
#include "form_test.moc"
