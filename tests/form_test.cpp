// Drives a real Form1 by keys, clicks and ticks, each case a script of steps
// (tests/FormDriver.h).
// The cases named in tests/CMakeLists.txt run on a real X server too: there
// the window server takes part (window size, focus and activation, clipboard).
#include "FormDriver.h"

#include <charconv>
#include <random>

namespace {

const char* const Boxes[] = {"TxtBoxHex", "TxtBoxDec", "txtKsize", "TxtMsize", "txtGsize"};
// clang-format off
constexpr std::uint64_t Units[] = {0, 1, 1024, 1048576, 1073741824}, Limits[] = {0, 4294967296, 4194304, 4096, 4};
// clang-format on

// The number digits spell in base (0 for none); ~0 for no number or too large a one.
std::uint64_t Number(const QString& digits, int base) {
    const QByteArray ascii = digits.toLatin1();
    std::uint64_t n = 0;
    const auto [end, error] = std::from_chars(ascii.begin(), ascii.end(), n, base);
    return error == std::errc{} && end == ascii.end() ? n : ascii.isEmpty() ? 0 : ~0ull;
}

// The texts a size box may show for v bytes: set from the value, the fixed
// text with ten decimals without trailing zeros, cut after the fourth; set
// by another size box, whole digits or rounded to four decimals.
QStringList SizeTexts(std::uint64_t v, std::uint64_t unit) {
    const auto fixed = [&](int places, std::uint64_t scale) { // halves away from zero
        const std::uint64_t decimals = (v % unit * scale + unit / 2) / unit;
        return QString::number(v / unit + decimals / scale) + "." +
               QString::number(decimals % scale).rightJustified(places, u'0');
    };
    const QString set = fixed(10, 10000000000).remove(QRegularExpression("\\.?0*$"));
    return {set.contains(u'.') ? set.left(set.indexOf(u'.') + 5) : set,
            v % unit ? fixed(4, 10000) : QString::number(v / unit)};
}

} // namespace

class FormTest : public QObject, FormDriver {
    Q_OBJECT

    std::mt19937 random;
    QStringList trail;                    // the last actions, for a failing seed
    QMap<QString, QSet<QString>> refused; // texts each box has shown red
    QMap<QString, QString> pending;       // texts set without a key, not yet validated

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    template <typename List> auto pickFrom(const List& list) { return list[pick(std::size(list))]; }

    QString randomText() {
        // clang-format off
        static const QString pieces[] = {"0", "0x", "1f", "4294967295", "4294967296", "00042", "  12 ", "1.5", "FFFFFFFF",
                                         "123456789", "4095", "3", "-1", "十六", "𝟙", "\t", ""};
        // clang-format on
        QString text;
        for (int n = pick(4); n >= 0; --n)
            text += pickFrom(pieces);
        return pick(50) == 0 ? QString(40000, QChar(u"19aF.x"[pick(6)])) : text;
    }

    // One random step (tests/FormDriver.h); true for a run of ticks, after
    // which the views are checked.
    bool act() {
        // clang-format off
        static const char* const keys[] = {"Backspace", "Del", "Esc", "Return", "Left", "End", "Shift+Left", "Ctrl+C", "Ctrl+V", "Shift+Ins", "Ctrl+X"};
        static const QString typable = QStringLiteral("0123456789abcdefABCDEFxX .-g十");
        const QString name = pickFrom(Boxes), typed = "type " + typable.mid(pick(typable.size()), 1), text = box(name)->text();
        const int at = pick(text.size() + 1), length = std::min<int>(pick(3), text.size() - at); // a selection
        const QString steps[] = {typed, typed, QString("key ") + pickFrom(keys), "clip " + randomText(), "edit " + name + " " + randomText(),
            "menu " + name + " " + pickFrom(QStringList{"paste", "cut", "del", "undo"}), "click " + (pick(20) ? QString::number(pick(32)) : "cmdOpt"),
            name + "=" + text.left(at) + "[" + text.mid(at, length) + "]" + text.mid(at + length), "tick", "tick"};
        // clang-format on
        const QString chosen = pickFrom(steps);
        const bool keyed = chosen.startsWith("type") || chosen.startsWith("key");
        if (keyed && QApplication::focusWidget()) // its key release takes up the whole text
            pending.remove(QApplication::focusWidget()->objectName());
        for (int i = chosen == "tick" ? 6 : 1; i > 0; --i) // one box a tick
            step(chosen);
        if (chosen.startsWith("edit") || chosen.startsWith("menu"))
            pending[name] = box(name)->text();
        for (const char* b : Boxes) {
            if (colour(b) == Red)
                refused[b].insert(box(b)->text());
            if (pending.value(b, box(b)->text()) !=
                box(b)->text()) // changed since: taken up or put back
                pending.remove(b);
        }
        trail << chosen.left(60) + (chosen == "tick" ? "  " + views() : "");
        if (trail.size() > 40)
            trail.removeFirst();
        return chosen == "tick";
    }

    // Whether box i holds the value v, or no value: while it is red, shows a
    // text it has shown red, or holds a text no validator has seen yet.
    bool agrees(int i, std::uint64_t v) {
        static const QRegularExpression hex("^0?[xX]?0*([0-9A-Fa-f]{0,8})$"), digits("^\\d*$"),
            spaces("^ +| +$");
        const QString text = box(Boxes[i])->text(), t = QString(text).remove(spaces);
        if (colour(Boxes[i]) == Red || refused[Boxes[i]].contains(text) ||
            pending.contains(Boxes[i]))
            return true;
        if (i == 0)
            return hex.match(t).hasMatch() && Number(hex.match(t).captured(1), 16) == v;
        if (digits.match(t).hasMatch())
            return Number(t, 10) < Limits[i] && Number(t, 10) * Units[i] == v;
        return i > 1 && SizeTexts(v, Units[i]).contains(t);
    }

  private slots:
    void init() { QVERIFY(Start()); }
    void cleanup() { form.reset(); }

    void scripts_data() {
        QTest::addColumn<QStringList>("steps");
        // clang-format off
        const std::pair<const char*, QStringList> scripts[] = {
            {"hex", {"TxtBoxHex=0x1", "type f", "= 0x1F|31|1 1111|0.0302|0.0000|0.0000", "colour TxtBoxHex c", "TxtBoxHex=0", "type xf", "= 0xF|15|1111|0.0146|0.0000|0.0000", "TxtBoxHex=0x1F", "key Esc", "= 0|0|0|0|0|0"}},
            {"hex full", {"TxtBoxHex=0x12345678", "type 9ab", "TxtBoxHex=[0x]12345678", "type 5", "= 0x12345678|305419896|1 0010 0011 0100 0101 0110 0111 1000|298261.6171|291.2711|0.2844"}},
            {"hex emptied", {"TxtBoxHex=0x1F", "type \b\b\b\b", "= |0|0|0|0|0", "key Tab", "= 0x0|0|0|0|0|0", "colour TxtBoxHex w"}},
            {"dec", {"TxtBoxDec=", "type 2x.5- 5", "= 0xFF|255|1111 1111|0.2490|0.0002|0.0000", "TxtBoxDec=[1234567890]", "type 7", "= 0x7|7|111|0.0068|0.0000|0.0000", "TxtBoxDec=000000000000", "type 1", "= 0x1|0000000000001|1|0.0009|0.0000|0.0000"}},
            {"dec too big", {"TxtBoxDec=429496729", "type 6", "colour TxtBoxDec r", "TxtBoxHex=0x0", "colour TxtBoxDec w", "TxtBoxDec=4294967296", "colour TxtBoxDec r", "tick", "= 0x0|4294967296|0|0|0|0"}},
            {"sizes", {"txtKsize=0001234567", "type 8", "= 0x4B5A1C00|1264196608|100 1011 0101 1010 0001 1100 0000 0000|0001234567|1205.6318|1.1774", "TxtMsize=", "type 4095", "= 0xFFF00000|4293918720|1111 1111 1111 0000 0000 0000 0000 0000|4193280|4095|3.9990", "txtGsize=", "type 0439", "= 0xC0000000|3221225472|1100 0000 0000 0000 0000 0000 0000 0000|3145728|3072|03"}},
            {"odd texts", {"TxtBoxDec=", "type 7", "TxtBoxHex=50x12", "type g", "colour TxtBoxHex r", "TxtBoxDec=1.1234567891", "type g", "colour TxtBoxDec r", "txtKsize=9E-10", "type g", "colour txtKsize r", "= 50x12|1.1234567891|111|9E-10|0.0000|0.0000"}},
            {"pending", {"TxtBoxDec=", "type 5000", "txtGsize=", "TxtMsize=0.0047", "key Left", "colour TxtMsize r", "tick", "= 0x0|0|0|0|0|0"}},
            {"input method", {"TxtBoxHex=0x", "commit a十b", "tick", "= 0xAB|171|1010 1011|0.1669|0.0001|0.0000"}},
            {"screen reader", {"click 5", "read 十六进制=42 0x20", "read 十进制=42 32", "read KB=42 0.0312", "read 二进制=41 10 0000", "read 位 5=43 1", "read 位 31=43 0"}},
            {"bits", {"click 5", "click 31", "click 31", "click 7", "face 7 #8080ff", "edit TxtBoxHex 0x8zz", "tick", "= 0xA0|160|1010 0000|0.1562|0.0001|0.0000"}},
            {"cycle", {"edit TxtBoxHex  0x1f ", "tick", "=  0x1f |31|1 1111|0.0302|0.0000|0.0000", "edit TxtBoxHex 0x123456789", "tick", "=  0x1f |31|1 1111|0.0302|0.0000|0.0000", "edit TxtBoxDec 00", "tick", "colour TxtBoxDec w", "edit TxtBoxDec 007", "tick", "= 0x7|007|111|0.0068|0.0000|0.0000", "colour TxtBoxDec c"}},
            {"cycle sizes", {"edit txtKsize 32", "tick", "= 0x8000|32768|1000 0000 0000 0000|32|0.0313|0.0000", "colour txtKsize w", "edit TxtMsize 1024", "tick", "= 0x40000000|1073741824|100 0000 0000 0000 0000 0000 0000 0000|1048576|1024|1", "colour TxtMsize c", "edit txtGsize 4", "tick", "= 0x40000000|1073741824|100 0000 0000 0000 0000 0000 0000 0000|1048576|1024|1", "edit txtGsize 3", "tick", "= 0xC0000000|3221225472|1100 0000 0000 0000 0000 0000 0000 0000|3145728|3072|3", "focus txtGsize"}},
            {"cycle order", {"edit TxtBoxHex FF", "edit txtKsize 7", "tick", "= FF|255|1111 1111|0.2490|0.0002|0.0000", "edit TxtBoxHex G", "edit TxtBoxDec 16", "tick", "= FF|16|1111 1111|0.2490|0.0002|0.0000", "tick", "= 0x10|16|1 0000|0.0156|0.0000|0.0000"}},
            // Where the window server takes part:
            {"panel", {"panel hidden", "TxtBoxDec=1", "key Return", "focus TxtBoxHex", "click cmdOpt", "title Tavrin (By Dorrik) >>", "panel shown", "TxtBoxDec=0", "key Return", "focus txtKsize", "key Return", "key Return", "focus txtGsize", "key Return", "focus TxtBoxHex", "click cmdOpt", "title Tavrin V1.0 <<", "panel hidden"}},
            {"arrows", {"TxtBoxHex=0x0", "key Shift+Tab", "focus BitButton(31)", "key Down", "focus BitButton(15)", "key Right", "focus BitButton(14)"}},
            {"away", {"txtKsize=4", "type \b", "away", "colour txtKsize c", "type 1.5", "= 0x3C00|15360|11 1100 0000 0000|15|0.0146|0.0000"}},
            {"chords", {"TxtBoxHex=0x[1]F", "key Ctrl+Shift+C", "clipboard ", "key Ctrl+C", "clipboard 0x1F", "clip   0XABC  ", "key Ctrl+V", "key Ctrl+X", "clip abc", "key Ctrl+Shift+V", "key Ctrl+1", "key Alt+1", "= 0xABC|2748|1010 1011 1100|2.6835|0.0026|0.0000", "key Shift+Ins", "clip 0x123456789", "key Ctrl+V", "= abc|2748|1010 1011 1100|2.6835|0.0026|0.0000", "TxtBoxDec=2748", "clip 12a", "key Ctrl+V", "clip 1.5", "TxtMsize=0.0026", "key Shift+Ins", "= 0xABC|2748|1010 1011 1100|2.6835|0.0026|0.0000", "txtKsize=", "clip   0012 ", "key Ctrl+V", "= 0x3000|12288|11 0000 0000 0000|12|0.0117|0.0000"}}};
        // clang-format on
        for (const auto& [name, steps] : scripts)
            QTest::newRow(name) << steps;
    }
    void scripts() {
        QFETCH(QStringList, steps);
        for (const QString& s : steps) {
            step(s);
            QVERIFY2(!QTest::currentTestFailed(), qPrintable("at step: " + s));
        }
    }

    // Random user sessions on a real Form1: any key or chord in any box, clipboard
    // texts huge and foreign, context-menu edits, bit clicks, the toggle, focus
    // moves and ticks. Whenever the refresh cycle has nothing left to do, every
    // box that holds a value must hold the binary label's, read with integer
    // arithmetic. A failing seed prints itself and its last actions; rerun it
    // with TAVRIN_SEED=<seed>.
    void randomSessions() {
        for (const QString& seed : qEnvironmentVariable("TAVRIN_SEED", "1 9 12 20261206")
                                       .split(u' ')) { // 9, 12 found faults
            random.seed(seed.toUInt());
            refused.clear(), pending.clear();
            for (int action = 0; action < 20000; ++action) {
                if (!act())
                    continue;
                const std::uint64_t v =
                    Number(form->findChild<QLabel*>("LableBin")->text().remove(u' '), 2);
                QString disagree =
                    v <= 0xFFFFFFFF && !views().startsWith("bits differ") ? "" : "LableBin ";
                for (int i = 0; i < 5; ++i)
                    disagree += agrees(i, v) ? "" : Boxes[i];
                QVERIFY2(disagree.isEmpty(),
                         qPrintable("seed " + seed + ": " + disagree + "\n" + trail.join(u'\n')));
            }
            form.reset();
            QVERIFY(Start());
        }
    }
};

QTEST_MAIN(FormTest)
#include "form_test.moc"
