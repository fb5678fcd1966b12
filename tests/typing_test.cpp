// Drives the five entry boxes of a real Form1 with key presses and releases,
// as a user types: filters, conversions at each release, colours, the focus
// chain, and copy and paste with the program's own rules.
#include "FormDriver.h"

#include <QInputMethodEvent>

namespace {
const QColor LightCyan(128, 255, 255), Red(255, 0, 0), White(255, 255, 255);
}

class TypingTest : public QObject, FormDriver {
    Q_OBJECT

    // Puts the focus in a box holding `start`, the caret at its end.
    QLineEdit* focusBox(const QString& name, const QString& start) {
        QLineEdit* control = box(name);
        control->setFocus();
        control->setText(start);
        return control;
    }

  private slots:
    void init() { QVERIFY(Start()); }
    void cleanup() { form.reset(); }

    void startsInTheHexBox() {
        QCOMPARE(QApplication::focusWidget(), box("TxtBoxHex"));
        QCOMPARE(colour("TxtBoxHex"), LightCyan);
        // The typical edit: "f" typed into "0x1".
        QTest::keyClicks(focusBox("TxtBoxHex", "0x1"), "f");
        expectViews("0x1F", "31", "1 1111");
        QCOMPARE(text("txtKsize"), QStringLiteral("0.0302"));
    }

    void typing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("dec"); // what the decimal box shows after
        QTest::newRow("hex digit") << "TxtBoxHex"
                                   << "0x1F"
                                   << "a"
                                   << "0x1FA"
                                   << "506";
        QTest::newRow("hex full") << "TxtBoxHex"
                                  << "0x12345678"
                                  << "9ab"
                                  << "0x12345678"
                                  << "305419896";
        QTest::newRow("hex leading zeros") << "TxtBoxHex"
                                           << "0x00000000"
                                           << "1"
                                           << "0x000000001"
                                           << "1";
        QTest::newRow("hex eighth digit") << "TxtBoxHex"
                                          << "0X1234567"
                                          << "89"
                                          << "0X12345678"
                                          << "305419896";
        QTest::newRow("hex prefix after 0") << "TxtBoxHex"
                                            << "0"
                                            << "xf"
                                            << "0xF"
                                            << "15";
        QTest::newRow("hex prefix elsewhere") << "TxtBoxHex"
                                              << "0x1"
                                              << "xX g-"
                                              << "0x1"
                                              << "1";
        QTest::newRow("hex backspace") << "TxtBoxHex"
                                       << "0x12345678"
                                       << "\b"
                                       << "0x1234567"
                                       << "19088743";
        QTest::newRow("dec digits") << "TxtBoxDec"
                                    << ""
                                    << "255"
                                    << "255"
                                    << "255";
        QTest::newRow("dec full") << "TxtBoxDec"
                                  << "1234567890"
                                  << "1"
                                  << "1234567890"
                                  << "1234567890";
        QTest::newRow("dec leading zeros") << "TxtBoxDec"
                                           << "000000000000"
                                           << "1"
                                           << "0000000000001"
                                           << "0000000000001";
        QTest::newRow("dec letters") << "TxtBoxDec"
                                     << "4"
                                     << "x.-2 "
                                     << "42"
                                     << "42";
        QTest::newRow("gigabytes") << "txtGsize"
                                   << "0"
                                   << "3"
                                   << "03"
                                   << "3221225472";
        QTest::newRow("gigabytes too big") << "txtGsize"
                                           << ""
                                           << "4"
                                           << ""
                                           << "0";
        QTest::newRow("kilobytes full") << "txtKsize"
                                        << "0001234567"
                                        << "8"
                                        << "0001234567"
                                        << "1264196608";
    }
    void typing() {
        QFETCH(QString, name);
        QFETCH(QString, start);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        QFETCH(QString, dec);
        QTest::keyClicks(focusBox(name, start), typed);
        QCOMPARE(text(name), result);
        QCOMPARE(text("TxtBoxDec"), dec);
    }

    void sizeBoxesSetTheValue_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("views"); // hex, dec, K, M, G
        QTest::newRow("K 1") << "txtKsize"
                             << "1" << QStringList{"0x400", "1024", "1", "0.0010", "0.0000"};
        QTest::newRow("K 1536") << "txtKsize"
                                << "1536"
                                << QStringList{"0x180000", "1572864", "1536", "1.5000", "0.0015"};
        QTest::newRow("K 1048576")
            << "txtKsize"
            << "1048576" << QStringList{"0x40000000", "1073741824", "1048576", "1024", "1"};
        QTest::newRow("K 4194303")
            << "txtKsize"
            << "4194303"
            << QStringList{"0xFFFFFC00", "4294966272", "4194303", "4095.9990", "4.0000"};
        QTest::newRow("M 1") << "TxtMsize"
                             << "1" << QStringList{"0x100000", "1048576", "1024", "1", "0.0010"};
        QTest::newRow("M 4095") << "TxtMsize"
                                << "4095"
                                << QStringList{"0xFFF00000", "4293918720", "4193280", "4095",
                                               "3.9990"};
        QTest::newRow("G 2") << "txtGsize"
                             << "2"
                             << QStringList{"0x80000000", "2147483648", "2097152", "2048", "2"};
    }
    void sizeBoxesSetTheValue() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QStringList, views);
        QTest::keyClicks(focusBox(name, ""), typed);
        QCOMPARE(text("TxtBoxHex"), views[0]);
        QCOMPARE(text("TxtBoxDec"), views[1]);
        QCOMPARE(text("txtKsize"), views[2]);
        QCOMPARE(text("TxtMsize"), views[3]);
        QCOMPARE(text("txtGsize"), views[4]);
        QCOMPARE(colour(name), LightCyan);
    }

    void sizeOutOfRangeTurnsRed() {
        QTest::keyClicks(focusBox("TxtMsize", ""), "4096");
        QCOMPARE(colour("TxtMsize"), Red);
        QCOMPARE(text("TxtBoxHex"), QStringLiteral("0x19900000")); // from "409"
        // A size written with a point is refused at any key release.
        box("TxtMsize")->setText(QStringLiteral("1.5000"));
        QTest::keyClick(box("TxtMsize"), Qt::Key_Left);
        QCOMPARE(colour("TxtMsize"), Red);
        QCOMPARE(text("TxtBoxHex"), QStringLiteral("0x19900000"));
    }

    void selectionLiftsTheLengthGuard() {
        QLineEdit* hex = focusBox("TxtBoxHex", "0x12345678");
        hex->setSelection(2, 1);
        QTest::keyClicks(hex, "f");
        QCOMPARE(hex->text(), QStringLiteral("0xF2345678"));
        // A digit typed over the prefix of a full box would make 9 digits.
        hex->setSelection(0, 2);
        QTest::keyClicks(hex, "5");
        QCOMPARE(hex->text(), QStringLiteral("0xF2345678"));
        hex->selectAll();
        QTest::keyClicks(hex, "7");
        expectViews("7", "7", "111");
    }

    void escapeSetsZero() {
        QTest::keyClick(focusBox("TxtBoxHex", "0x1F"), Qt::Key_Escape);
        expectViews("0", "0", "0");
        QTest::keyClick(focusBox("TxtBoxDec", "123"), Qt::Key_Escape);
        expectViews("0x0", "0", "0");
    }

    void enterWalksTheFocusChain() {
        auto enterIn = [this](const char* name) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), box(name));
        };
        focusBox("TxtBoxHex", "0x10");
        enterIn("TxtBoxDec");
        QCOMPARE(text("TxtBoxDec"), QStringLiteral("16"));
        enterIn("TxtBoxHex");
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("cmdOpt")), Qt::LeftButton);
        box("TxtBoxDec")->setFocus();
        enterIn("txtKsize");
        enterIn("TxtMsize");
        enterIn("txtGsize");
        enterIn("TxtBoxHex");
        QCOMPARE(text("TxtBoxHex"), QStringLiteral("0x10"));
    }

    void copyAndPaste() {
        QClipboard* clipboard = QApplication::clipboard();
        QLineEdit* hex = focusBox("TxtBoxHex", "0x1F");
        hex->setSelection(2, 1);
        QTest::keyClick(hex, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("0x1F"));
        QTest::keyClick(hex, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(hex->text(), QStringLiteral("0x1F"));

        const struct {
            const char* name;
            const char* clipboard;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char* result;
        } pastes[] = {
            {"TxtBoxHex", "  0XABC  ", Qt::Key_V, Qt::ControlModifier, "0xABC"},
            {"TxtBoxHex", "abc", Qt::Key_Insert, Qt::ShiftModifier, "abc"},
            {"TxtBoxHex", "0x123456789", Qt::Key_V, Qt::ControlModifier, "abc"},
            {"TxtBoxHex", "0x1", Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier, "abc"},
            {"TxtBoxDec", "  00042 ", Qt::Key_V, Qt::ControlModifier, "42"},
            {"TxtBoxDec", "4294967296", Qt::Key_V, Qt::ControlModifier, "42"},
            {"txtKsize", "  0012 ", Qt::Key_V, Qt::ControlModifier, "12"},
            {"TxtMsize", "1.5", Qt::Key_Insert, Qt::ShiftModifier, "0.0117"}};
        for (const auto& paste : pastes) {
            box(paste.name)->setFocus();
            clipboard->setText(QString::fromLatin1(paste.clipboard));
            QTest::keyClick(box(paste.name), paste.key, paste.modifiers);
            QCOMPARE(text(paste.name), QString::fromLatin1(paste.result));
        }
        QCOMPARE(text("TxtBoxHex"), QStringLiteral("0x3000"));
    }

    void decimalOutOfRangeTurnsRedAndBack() {
        QLineEdit* dec = focusBox("TxtBoxDec", "");
        QTest::keyClicks(dec, "4294967296");
        QCOMPARE(colour("TxtBoxDec"), Red);
        QCOMPARE(text("TxtBoxHex"), QStringLiteral("0x19999999"));
        box("TxtBoxHex")->setFocus();
        QCOMPARE(colour("TxtBoxDec"), White);
        dec->setFocus();
        QCOMPARE(colour("TxtBoxDec"), Red);
        QTest::keyClick(dec, Qt::Key_Backspace);
        QCOMPARE(colour("TxtBoxDec"), LightCyan);
        tick(); // recorded: the cycle leaves the box alone
        QCOMPARE(text("TxtBoxDec"), QStringLiteral("429496729"));
    }

    void emptiedBoxGetsItsDefaultOnLeaving() {
        QLineEdit* hex = focusBox("TxtBoxHex", "0x1F");
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(hex, Qt::Key_Backspace);
        expectViews("", "0", "0");
        box("TxtBoxDec")->setFocus();
        QCOMPARE(text("TxtBoxHex"), QStringLiteral("0x0"));
        QCOMPARE(colour("TxtBoxHex"), White);
    }

    // Texts only the toolkit's own editing can put there are refused as a
    // whole at the next key release: red, and no other view changes.
    void oddTextsTurnRed_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("odd");
        QTest::newRow("hex read two ways") << "TxtBoxHex"
                                           << "50x12";
        QTest::newRow("hex nine digits") << "TxtBoxHex"
                                         << "123456789";
        QTest::newRow("dec with a point") << "TxtBoxDec"
                                          << "1.123456789";
        QTest::newRow("kilobytes scientific") << "txtKsize"
                                              << "9E-10";
        QTest::newRow("gigabytes with a sign") << "txtGsize"
                                               << "+3";
    }
    void oddTextsTurnRed() {
        QFETCH(QString, name);
        QFETCH(QString, odd);
        QTest::keyClicks(focusBox("TxtBoxDec", ""), "7");
        focusBox(name, odd);
        QTest::keyClick(box(name), Qt::Key_Shift);
        QCOMPARE(colour(name), Red);
        QCOMPARE(text(name), odd);
        expectViews(name == "TxtBoxHex" ? odd : "0x7", name == "TxtBoxDec" ? odd : "7", "111");
    }

    void inputMethodTextIsFiltered() {
        QLineEdit* hex = focusBox("TxtBoxHex", "0x");
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("a十b"));
        QApplication::sendEvent(hex, &commit);
        QCOMPARE(hex->text(), QStringLiteral("0xAB"));
    }
};

QTEST_MAIN(TypingTest)
#include "typing_test.moc"
