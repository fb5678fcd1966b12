// Types into the five entry boxes of a real Form1, key by key: the filters,
// the conversions at each release, the colours, the focus chain, and copy and
// paste by the program's own rules.
#include "FormDriver.h"

#include <QInputMethodEvent>

namespace {
const QColor LightCyan(128, 255, 255), Red(255, 0, 0), White(255, 255, 255);
}

class TypingTest : public QObject, FormDriver {
    Q_OBJECT

    // The focus in a box holding `start`, the caret at its end.
    QLineEdit* focusBox(const QString& name, const QString& start) {
        box(name)->setFocus();
        box(name)->setText(start);
        return box(name);
    }

  private slots:
    void init() { QVERIFY(Start()); }
    void cleanup() { form.reset(); }

    void typing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected"); // the views afterwards
        // clang-format off
        QTest::newRow("f into 0x1") << "TxtBoxHex" << "0x1" << "f" << "0x1F|31|1 1111|0.0302|0.0000|0.0000";
        QTest::newRow("hex full") << "TxtBoxHex" << "0x12345678" << "9ab" << "0x12345678|305419896|1 0010 0011 0100 0101 0110 0111 1000|298261.6171|291.2711|0.2844";
        QTest::newRow("hex zeros") << "TxtBoxHex" << "0x00000000" << "1" << "0x000000001|1|1|0.0009|0.0000|0.0000";
        QTest::newRow("hex prefix") << "TxtBoxHex" << "0" << "xf" << "0xF|15|1111|0.0146|0.0000|0.0000";
        QTest::newRow("hex no prefix") << "TxtBoxHex" << "0x1" << "xX g-" << "0x1|1|1|0.0009|0.0000|0.0000";
        QTest::newRow("hex emptied") << "TxtBoxHex" << "0x1F" << "\b\b\b\b" << "|0|0|0|0|0";
        QTest::newRow("dec") << "TxtBoxDec" << "" << "2x.5- 5" << "0xFF|255|1111 1111|0.2490|0.0002|0.0000";
        QTest::newRow("dec full") << "TxtBoxDec" << "1234567890" << "1" << "0x499602D2|1234567890|100 1001 1001 0110 0000 0010 1101 0010|1205632.7050|1177.3756|1.1497";
        QTest::newRow("dec zeros") << "TxtBoxDec" << "000000000000" << "1" << "0x1|0000000000001|1|0.0009|0.0000|0.0000";
        QTest::newRow("K 1536") << "txtKsize" << "" << "1536" << "0x180000|1572864|1 1000 0000 0000 0000 0000|1536|1.5000|0.0015";
        QTest::newRow("K full") << "txtKsize" << "0001234567" << "8" << "0x4B5A1C00|1264196608|100 1011 0101 1010 0001 1100 0000 0000|0001234567|1205.6318|1.1774";
        QTest::newRow("K top") << "txtKsize" << "" << "4194303" << "0xFFFFFC00|4294966272|1111 1111 1111 1111 1111 1100 0000 0000|4194303|4095.9990|4.0000";
        QTest::newRow("M 4095") << "TxtMsize" << "" << "4095" << "0xFFF00000|4293918720|1111 1111 1111 0000 0000 0000 0000 0000|4193280|4095|3.9990";
        QTest::newRow("G 03") << "txtGsize" << "" << "0439" << "0xC0000000|3221225472|1100 0000 0000 0000 0000 0000 0000 0000|3145728|3072|03";
        // clang-format on
    }
    void typing() {
        QFETCH(QString, name);
        QFETCH(QString, start);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QTest::keyClicks(focusBox(name, start), typed);
        QCOMPARE(views(), expected);
    }

    void selectionLiftsTheLengthGuard() {
        QLineEdit* hex = focusBox("TxtBoxHex", "0x12345678");
        hex->setSelection(2, 1);
        QTest::keyClicks(hex, "f");
        QCOMPARE(hex->text(), QStringLiteral("0xF2345678"));
        hex->setSelection(0, 2); // a digit over the prefix would make 9 digits
        QTest::keyClicks(hex, "5");
        QCOMPARE(hex->text(), QStringLiteral("0xF2345678"));
        QLineEdit* dec = focusBox("TxtBoxDec", "1234567890");
        dec->selectAll();
        QTest::keyClicks(dec, "7");
        QCOMPARE(views(), QStringLiteral("0x7|7|111|0.0068|0.0000|0.0000"));
    }

    void escapeAndEnter() {
        QTest::keyClick(focusBox("TxtBoxHex", "0x1F"), Qt::Key_Escape);
        QCOMPARE(views(), QStringLiteral("0|0|0|0|0|0"));
        const char* chain[] = {"TxtBoxDec", "TxtBoxHex", "cmdOpt",   "txtKsize",
                               "TxtMsize",  "txtGsize",  "TxtBoxHex"};
        for (const char* next : chain) {
            if (QString(next) == "cmdOpt") { // show the size panel, then back to the decimal box
                QTest::mouseClick(button(next), Qt::LeftButton);
                box("TxtBoxDec")->setFocus();
                continue;
            }
            // The release goes to where the press moved the focus.
            QTest::keyPress(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), box(next));
            QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(views(), QStringLiteral("0x0|0|0|0|0|0"));
    }

    void copyAndPaste() {
        QLineEdit* hex = focusBox("TxtBoxHex", "0x1F");
        hex->setSelection(2, 1);
        QTest::keyClick(hex, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0x1F"));
        QTest::keyClick(hex, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(hex->text(), QStringLiteral("0x1F"));
        const auto ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
        const struct {
            const char *name, *clipboard;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char* result;
        } pastes[] = {{"TxtBoxHex", "  0XABC  ", Qt::Key_V, ctrl, "0xABC"},
                      {"TxtBoxHex", "abc", Qt::Key_Insert, shift, "abc"},
                      {"TxtBoxHex", "0x123456789", Qt::Key_V, ctrl, "abc"},
                      {"TxtBoxHex", "0x1", Qt::Key_V, ctrl | shift, "abc"},
                      {"TxtBoxDec", "  00042 ", Qt::Key_V, ctrl, "42"},
                      {"TxtBoxDec", "12a", Qt::Key_V, ctrl, "42"},
                      {"TxtMsize", "1.5", Qt::Key_Insert, shift, "0.0000"},
                      {"txtKsize", "  0012 ", Qt::Key_V, ctrl, "12"}};
        for (const auto& paste : pastes) {
            box(paste.name)->setFocus();
            QApplication::clipboard()->setText(QString::fromLatin1(paste.clipboard));
            QTest::keyClick(box(paste.name), paste.key, paste.modifiers);
            QCOMPARE(box(paste.name)->text(), QString::fromLatin1(paste.result));
        }
        QCOMPARE(views().left(7), QStringLiteral("0x3000|"));
    }

    void outOfRangeTurnsRedAndRecordsIt() {
        QLineEdit* dec = focusBox("TxtBoxDec", "");
        QTest::keyClicks(dec, "4294967296");
        QCOMPARE(colour("TxtBoxDec"), Red);
        QCOMPARE(views().left(11), QStringLiteral("0x19999999|"));
        box("TxtBoxHex")->setFocus();
        QCOMPARE(colour("TxtBoxDec"), White);
        QCOMPARE(box("TxtBoxHex")->text(), QStringLiteral("0x19999999"));
        dec->setFocus();
        QCOMPARE(colour("TxtBoxDec"), Red);
        tick(); // recorded: the cycle leaves it alone
        QCOMPARE(dec->text(), QStringLiteral("4294967296"));
        QTest::keyClick(dec, Qt::Key_Backspace);
        QCOMPARE(colour("TxtBoxDec"), LightCyan);
    }

    // A refused key release in one box leaves another box's pending text (here
    // the default written on leaving it emptied) to the refresh cycle.
    void refusedKeyLeavesOtherBoxesPending() {
        QTest::keyClicks(focusBox("TxtBoxDec", ""), "5000");
        box("txtGsize")->setFocus();
        box("txtGsize")->selectAll();
        box("txtGsize")->del(); // as the context menu's Delete does: no key
        box("TxtMsize")->setFocus();
        QTest::keyClick(box("TxtMsize"), Qt::Key_Left); // "0.0047" holds a point: refused
        QCOMPARE(colour("TxtMsize"), Red);
        tick();
        QCOMPARE(views(), QStringLiteral("0x0|0|0|0|0|0"));
    }

    void emptiedBoxGetsItsDefaultOnLeaving() {
        QTest::keyClick(focusBox("TxtBoxHex", "1"), Qt::Key_Backspace);
        box("TxtBoxDec")->setFocus();
        QCOMPARE(box("TxtBoxHex")->text(), QStringLiteral("0x0"));
        QCOMPARE(colour("TxtBoxHex"), White);
    }

    // Texts only the toolkit's own editing can put there turn their box red at
    // the next key release, and no other view changes.
    void oddTextsTurnRed_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("view"); // its place in views()
        QTest::addColumn<QString>("text");
        QTest::newRow("hex read two ways") << "TxtBoxHex" << 0 << "50x12";
        QTest::newRow("hex of 9 digits") << "TxtBoxHex" << 0 << "123456789";
        QTest::newRow("dec with a point") << "TxtBoxDec" << 1 << "1.123456789";
        QTest::newRow("K scientific") << "txtKsize" << 3 << "9E-10";
        QTest::newRow("M with a point") << "TxtMsize" << 4 << "1.5000";
        QTest::newRow("G with a sign") << "txtGsize" << 5 << "+3";
    }
    void oddTextsTurnRed() {
        QFETCH(QString, name);
        QFETCH(int, view);
        QFETCH(QString, text);
        QTest::keyClicks(focusBox("TxtBoxDec", ""), "7");
        QTest::keyClick(focusBox(name, text), Qt::Key_Left);
        QCOMPARE(colour(name), Red);
        QStringList expected = QStringLiteral("0x7|7|111|0.0068|0.0000|0.0000").split(u'|');
        expected[view] = text;
        QCOMPARE(views(), expected.join(u'|'));
    }

    void inputMethodTextIsFiltered() {
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("a十b"));
        QApplication::sendEvent(focusBox("TxtBoxHex", "0x"), &commit);
        QCOMPARE(box("TxtBoxHex")->text(), QStringLiteral("0xAB"));
    }
};

QTEST_MAIN(TypingTest)
#include "typing_test.moc"
