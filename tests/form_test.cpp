// Drives a real Form1: start-up, the size-panel toggle, the bit buttons, the
// size fields and the refresh cycle.
#include "FormDriver.h"

class FormTest : public QObject, FormDriver {
    Q_OBJECT

    // Every child control lies wholly inside (or wholly below) the client area.
    void expectPanels(bool sizePanelShown) {
        for (auto* control : form->findChildren<QWidget*>()) {
            if (!control->isWidgetType() || control->parentWidget() != form.get())
                continue;
            const bool inSizePanel = control->y() >= 3840 / 15;
            if (inSizePanel && !sizePanelShown)
                QVERIFY2(control->y() >= form->height(), qPrintable(control->objectName()));
            else
                QVERIFY2(control->geometry().bottom() < form->height(),
                         qPrintable(control->objectName()));
        }
    }

  private slots:
    void init() { QVERIFY(Start()); }
    void cleanup() { form.reset(); }

    void startsCollapsedWithEveryViewAtZero() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Tavrin V1.0"));
        QCOMPARE(find<QPushButton>(QStringLiteral("cmdOpt"))->text(), QStringLiteral("<<"));
        expectViews(QStringLiteral("0x0"), QStringLiteral("0"), QStringLiteral("0"));
        expectSizes(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
        expectPanels(false);
        QCOMPARE(text("Label3").size(), 116);
        QCOMPARE(text("Label2").size(), 126);
        tick();
        expectViews(QStringLiteral("0x0"), QStringLiteral("0"), QStringLiteral("0"));
    }

    void toggleShowsAndHidesTheSizePanel() {
        auto* cmdOpt = find<QPushButton>(QStringLiteral("cmdOpt"));
        edit(QStringLiteral("txtKsize"), QStringLiteral("12"));
        QTest::mouseClick(cmdOpt, Qt::LeftButton);
        QCOMPARE(cmdOpt->text(), QStringLiteral(">>"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Tavrin (By Dorrik)"));
        expectPanels(true);
        QTest::mouseClick(cmdOpt, Qt::LeftButton);
        QCOMPARE(cmdOpt->text(), QStringLiteral("<<"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Tavrin V1.0"));
        expectPanels(false);
        QCOMPARE(text("txtKsize"), QStringLiteral("12"));
    }

    void bitClicksToggleOneBit() {
        QTest::mouseClick(bit(5), Qt::LeftButton);
        expectViews(QStringLiteral("0x20"), QStringLiteral("32"), QStringLiteral("10 0000"));
        QCOMPARE(bit(5)->palette().color(QPalette::Button), QColor(128, 128, 255));
        QTest::mouseClick(bit(31), Qt::LeftButton);
        expectViews(QStringLiteral("0x80000020"), QStringLiteral("2147483680"),
                    QStringLiteral("1000 0000 0000 0000 0000 0000 0010 0000"));
        expectSizes(QStringLiteral("2097152.0312"), QStringLiteral("2048.0000"),
                    QStringLiteral("2.0000"));
        QTest::mouseClick(bit(31), Qt::LeftButton);
        QTest::mouseClick(bit(5), Qt::LeftButton);
        expectViews(QStringLiteral("0x0"), QStringLiteral("0"), QStringLiteral("0"));
        QCOMPARE(bit(5)->palette().color(QPalette::Button),
                 QGuiApplication::palette().color(QPalette::Button));
    }

    void bitClickClearsBit0OfAllOnes() {
        edit(QStringLiteral("TxtBoxDec"), QStringLiteral("4294967295"));
        tick();
        QTest::mouseClick(bit(0), Qt::LeftButton);
        expectViews(QStringLiteral("0xFFFFFFFE"), QStringLiteral("4294967294"),
                    QStringLiteral("1111 1111 1111 1111 1111 1111 1111 1110"));
        // The click left the backups behind; the next tick records them.
        tick();
        edit(QStringLiteral("TxtBoxHex"), QStringLiteral("zz"));
        tick();
        QCOMPARE(text("TxtBoxHex"), QStringLiteral("0xFFFFFFFE"));
    }

    void setBitShowsItsColourFlat() {
        QTest::mouseClick(bit(7), Qt::LeftButton);
        const QImage face = bit(7)->grab().toImage();
        QCOMPARE(QColor(face.pixel(face.width() / 2, face.height() / 4)), QColor(128, 128, 255));
    }

    void refreshTakesUpOneChangedBox_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("views"); // hex, dec, bin, K, M, G
        QTest::addColumn<QString>("cyan");      // the box the change colours
        const auto row = [](const char* name, const char* box, const char* typed, QStringList views,
                            const char* cyan = "") {
            QTest::newRow(name) << box << typed << views << cyan;
        };
        row("hex", "TxtBoxHex", "0x1f", {"0x1f", "31", "1 1111", "0.0302", "0.0000", "0.0000"});
        row("hex refused", "TxtBoxHex", "0x123456789", {"0x0", "0", "0", "0", "0", "0"});
        row("hex with spaces", "TxtBoxHex", " 1F ",
            {" 1F ", "31", "1 1111", "0.0302", "0.0000", "0.0000"});
        row("dec", "TxtBoxDec", "007", {"0x7", "007", "111", "0.0068", "0.0000", "0.0000"},
            "TxtBoxDec");
        row("dec refused", "TxtBoxDec", "00", {"0x0", "0", "0", "0", "0", "0"});
        row("dec emptied", "TxtBoxDec", "", {"0x0", "0", "0", "0", "0", "0"});
        row("kilobytes", "txtKsize", "1024",
            {"0x100000", "1048576", "1 0000 0000 0000 0000 0000", "1024", "1", "0.0010"});
        row("kilobytes half", "txtKsize", "32",
            {"0x8000", "32768", "1000 0000 0000 0000", "32", "0.0313", "0.0000"});
        row("kilobytes top", "txtKsize", "4194303",
            {"0xFFFFFC00", "4294966272", "1111 1111 1111 1111 1111 1100 0000 0000", "4194303",
             "4095.9990", "4.0000"});
        row("kilobytes refused", "txtKsize", "1.5", {"0x0", "0", "0", "0", "0", "0"});
        row("megabytes", "TxtMsize", "4095",
            {"0xFFF00000", "4293918720", "1111 1111 1111 0000 0000 0000 0000 0000", "4193280",
             "4095", "3.9990"},
            "TxtMsize");
        row("megabytes refused", "TxtMsize", "4096", {"0x0", "0", "0", "0", "0", "0"});
        row("gigabytes", "txtGsize", "3",
            {"0xC0000000", "3221225472", "1100 0000 0000 0000 0000 0000 0000 0000", "3145728",
             "3072", "3"},
            "txtGsize");
        row("gigabytes refused", "txtGsize", "4", {"0x0", "0", "0", "0", "0", "0"});
    }
    void refreshTakesUpOneChangedBox() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QStringList, views);
        QFETCH(QString, cyan);
        edit(box, typed);
        tick();
        expectViews(views[0], views[1], views[2]);
        expectSizes(views[3], views[4], views[5]);
        if (!cyan.isEmpty())
            QCOMPARE(colour(cyan), QColor(128, 255, 255));
        if (box == QStringLiteral("txtGsize") && !cyan.isEmpty())
            QCOMPARE(QApplication::focusWidget(), find(box));
        // Everything is recorded: a second tick finds nothing to do.
        edit(QStringLiteral("TxtBoxHex"), text("TxtBoxHex"));
        tick();
        expectViews(views[0], views[1], views[2]);
    }

    void refreshHandlesOneBoxATick() {
        // The first differing box wins and overwrites a pending size text.
        edit(QStringLiteral("TxtBoxHex"), QStringLiteral("FF"));
        edit(QStringLiteral("txtKsize"), QStringLiteral("7"));
        tick();
        expectSizes(QStringLiteral("0.2490"), QStringLiteral("0.0002"), QStringLiteral("0.0000"));
        tick();
        QCOMPARE(text("TxtBoxDec"), QStringLiteral("255"));
        // A refused box is put back first; the next box waits for the next tick.
        edit(QStringLiteral("TxtBoxHex"), QStringLiteral("G"));
        edit(QStringLiteral("TxtBoxDec"), QStringLiteral("16"));
        tick();
        QCOMPARE(text("TxtBoxHex"), QStringLiteral("FF"));
        QCOMPARE(text("TxtBoxDec"), QStringLiteral("16"));
        tick();
        QCOMPARE(text("TxtBoxHex"), QStringLiteral("0x10"));
    }

    // Sizes are cut after four decimals, never rounded; whole ones stay whole.
    void sizeFieldsShowTheValue_data() {
        QTest::addColumn<QString>("dec");
        QTest::addColumn<QStringList>("sizes");
        QTest::newRow("0") << "0" << QStringList{"0", "0", "0"};
        QTest::newRow("1") << "1" << QStringList{"0.0009", "0.0000", "0.0000"};
        QTest::newRow("255") << "255" << QStringList{"0.2490", "0.0002", "0.0000"};
        QTest::newRow("512") << "512" << QStringList{"0.5", "0.0004", "0.0000"};
        QTest::newRow("1536") << "1536" << QStringList{"1.5", "0.0014", "0.0000"};
        QTest::newRow("102400") << "102400" << QStringList{"100", "0.0976", "0.0000"};
        QTest::newRow("1048320") << "1048320" << QStringList{"1023.75", "0.9997", "0.0009"};
        QTest::newRow("16777216") << "16777216" << QStringList{"16384", "16", "0.0156"};
        QTest::newRow("123456789")
            << "123456789" << QStringList{"120563.2705", "117.7375", "0.1149"};
        QTest::newRow("3221225472") << "3221225472" << QStringList{"3145728", "3072", "3"};
        QTest::newRow("4294967295")
            << "4294967295" << QStringList{"4194303.9990", "4095.9999", "3.9999"};
    }
    void sizeFieldsShowTheValue() {
        QFETCH(QString, dec);
        QFETCH(QStringList, sizes);
        edit(QStringLiteral("TxtBoxDec"), dec);
        tick();
        expectSizes(sizes[0], sizes[1], sizes[2]);
    }
};

QTEST_MAIN(FormTest)
#include "form_test.moc"
