// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the benchmark compares Tavrin with: a minimal Qt Widgets program
// of the same shape (a window of about 500 x 360 pixels with 32 push buttons,
// 5 line edits, 10 labels, some of them Chinese, and a 500 ms timer).
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(500, 360);
    for (int i = 0; i < 32; ++i)
        (new QPushButton(QStringLiteral("0"), &window))
            ->setGeometry(30 + i % 16 * 28, 50 + i / 16 * 70, 17, 33);
    for (int i = 0; i < 5; ++i)
        (new QLineEdit(QStringLiteral("0"), &window))
            ->setGeometry(30 + i % 2 * 200, 200 + i / 2 * 40, 140, 25);
    const char16_t* captions[] = {u"寄存器计算", u"十六进制：", u"十进制：", u"二进制：",
                                  u"KB",         u"MB",         u"GB",       u"0",
                                  u"31 30 29",   u"15 14 13"};
    for (int i = 0; i < 10; ++i)
        (new QLabel(QString::fromUtf16(captions[i]), &window))
            ->setGeometry(400, 10 + i * 30, 90, 20);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [] {});
    timer.start(500);
    window.show();
    return app.exec();
}
