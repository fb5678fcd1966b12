#pragma once

#include <QWidget>

// The calculator's one window.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    explicit Form1(QWidget* parent = nullptr);

  private:
    void Form_Load();
};
