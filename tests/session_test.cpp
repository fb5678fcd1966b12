// Random user sessions on a real Form1: any key or chord in any box, clipboard
// texts huge and foreign, context-menu edits, bit clicks, the toggle, focus
// moves and ticks. Whenever the refresh cycle has nothing left to do, every
// box that holds a value must hold the binary label's, read with integer
// arithmetic. A failing seed prints itself and its last actions; rerun it
// with TAVRIN_SEED=<seed>.
#include "FormDriver.h"

#include <QRegularExpression>

#include <charconv>
#include <random>

namespace {

const char* const Boxes[] = {"TxtBoxHex", "TxtBoxDec", "txtKsize", "TxtMsize", "txtGsize"};
constexpr std::uint64_t Units[] = {0, 1, 1024, 1048576, 1073741824},
                        Limits[] = {0, 4294967296, 4194304, 4096, 4};

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
    QStringList texts;
    for (std::uint64_t scale : {10000000000ull, 10000ull}) {
        const std::uint64_t decimals =
            (v % unit * scale + unit / 2) / unit; // halves away from zero
        texts << QStringLiteral("%1.%2")
                     .arg(v / unit + decimals / scale)
                     .arg(decimals % scale, scale > 10000 ? 10 : 4, 10, QChar(u'0'));
    }
    texts[0]
        .remove(QRegularExpression("\\.?0*$"))
        .replace(QRegularExpression("(\\.\\d{4})\\d+$"), "\\1");
    if (v % unit == 0)
        texts[1] = QString::number(v / unit);
    return texts;
}

} // namespace

class SessionTest : public QObject, FormDriver {
    Q_OBJECT

    std::mt19937 random;
    QStringList trail;                    // the last actions, for a failing seed
    QMap<QString, QSet<QString>> refused; // texts each box has shown red
    QMap<QString, QString> pending;       // texts set without a key, not yet validated

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    QString randomText() {
        static const QString pieces[] = {"0",     "0x",    "1f",  "4294967295", "4294967296",
                                         "00042", "  12 ", "1.5", "FFFFFFFF",   "123456789",
                                         "4095",  "3",     "-1",  "十六",       "𝟙",
                                         "\t",    ""};
        QString text;
        for (int n = pick(4); n >= 0; --n)
            text += pieces[pick(std::size(pieces))];
        return pick(50) == 0 ? QString(40000, QChar(u"19aF.x"[pick(6)])) : text;
    }

    // A key as a user presses it: the release goes where the press left the focus.
    void key(int code, Qt::KeyboardModifiers modifiers = {}, const QString& text = {}) {
        trail << QStringLiteral("key %1 %2 %3").arg(code, 0, 16).arg(modifiers).arg(text);
        for (auto action : {QTest::Press, QTest::Release}) {
            QWidget* target =
                QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
            pending.remove(target->objectName()); // its key release takes up the whole text
            QTest::sendKeyEvent(action, target, Qt::Key(code), text, modifiers);
        }
    }

    // One random action; true for a run of ticks, after which the views are checked.
    bool act() {
        static const int keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Escape,
                                   Qt::Key_Return,    Qt::Key_Left,   Qt::Key_End};
        static const QString typable = QStringLiteral("0123456789abcdefABCDEFxX .-g十");
        static const std::tuple<int, Qt::KeyboardModifiers, const char*> chords[] = {
            {Qt::Key_C, Qt::ControlModifier, "\x03"},
            {Qt::Key_V, Qt::ControlModifier, "\x16"},
            {Qt::Key_Insert, Qt::ShiftModifier, ""},
            {Qt::Key_X, Qt::ControlModifier, "\x18"}};
        static void (QLineEdit::*const edits[])() = {&QLineEdit::paste, &QLineEdit::cut,
                                                     &QLineEdit::del, &QLineEdit::undo};
        const int kind = pick(10);
        QLineEdit* target = box(Boxes[pick(5)]);
        if (kind < 3) {
            const QChar c = typable[pick(typable.size())];
            key(c.unicode() < 128 && c.isLetterOrNumber() ? c.toUpper().unicode() : 0, {}, c);
        } else if (kind == 3) {
            key(keys[pick(std::size(keys))], pick(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
        } else if (kind == 4) {
            QApplication::clipboard()->setText(randomText());
            const auto& [code, modifiers, text] = chords[pick(4)];
            key(code, modifiers, QString::fromLatin1(text));
        } else if (kind == 5) { // what the context menu and the mouse do, without a key
            QApplication::clipboard()->setText(randomText());
            const int edit = pick(5);
            trail << QStringLiteral("edit %1 in %2").arg(edit).arg(target->objectName());
            edit < 4 ? (target->*edits[edit])() : target->setText(randomText());
            pending[target->objectName()] = target->text();
        } else if (kind == 6) {
            QPushButton* clicked = pick(20) == 0 ? button("cmdOpt") : bit(pick(32));
            trail << "click " + clicked->objectName();
            QTest::mouseClick(clicked, Qt::LeftButton);
        } else if (kind == 7) {
            target->setFocus(Qt::MouseFocusReason);
            target->setSelection(pick(target->text().size() + 1), pick(3));
            trail << "focus " + target->objectName();
        } else {
            for (int i = 0; i < 6; ++i) // one box a tick
                tick();
            trail << "ticks: " + views();
        }
        for (const char* name : Boxes) {
            if (colour(name) == Red)
                refused[name].insert(box(name)->text());
            if (pending.contains(name) && pending.value(name) != box(name)->text())
                pending.remove(name);
        }
        while (trail.size() > 40)
            trail.removeFirst();
        return kind > 7;
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

    void randomSessions() {
        const auto seeds = qEnvironmentVariableIsSet("TAVRIN_SEED")
                               ? QList<unsigned>{qEnvironmentVariable("TAVRIN_SEED").toUInt()}
                               : QList<unsigned>{1, 9, 12, 20261206}; // 9 and 12 once found faults
        for (unsigned seed : seeds) {
            random.seed(seed);
            refused.clear();
            pending.clear();
            for (int action = 0; action < 20000; ++action) {
                if (!act())
                    continue;
                const std::uint64_t v =
                    Number(form->findChild<QLabel*>("LableBin")->text().remove(u' '), 2);
                QString problem = v > 0xFFFFFFFF || views().startsWith("bits differ")
                                      ? "binary label or bits"
                                      : "";
                for (int i = 0; i < 5 && problem.isEmpty(); ++i)
                    problem = agrees(i, v)
                                  ? ""
                                  : QStringLiteral("%1 disagrees with %2").arg(Boxes[i]).arg(v);
                if (!problem.isEmpty())
                    QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\n")
                                         .arg(seed)
                                         .arg(action)
                                         .arg(problem) +
                                     trail.join(u'\n')));
            }
            form.reset();
            QVERIFY(Start());
        }
    }
};

QTEST_MAIN(SessionTest)
#include "session_test.moc"
