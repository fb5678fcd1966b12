#include "Form1.h"

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Tavrin V1.0"));
    Form_Load();
}

void Form1::Form_Load() {}
