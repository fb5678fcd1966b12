#include "EventAdapter.h"

#include "Form1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

EventAdapter::EventAdapter(Form1* form) : QObject(form), form(form) {
    connect(form->Timer1, &QTimer::timeout, this, [this] { Run(&Form1::Timer1_Timer); });
    connect(form->cmdOpt, &QPushButton::clicked, this, [this] { Run(&Form1::cmdOpt_Click); });
    for (std::int16_t index = 0; index < 32; ++index) {
        connect(form->BitButton[static_cast<std::size_t>(index)], &QPushButton::clicked, this,
                [this, index] { Run([index](Form1* f) { f->BitButton_Click(index); }); });
    }
    form->Timer1->start();
}

template <typename Handler> void EventAdapter::Run(Handler handler) {
    try {
        std::invoke(handler, form);
    } catch (const value::ArithmeticError& error) {
        std::fprintf(stderr, "tavrin: %s; the views keep their texts\n", error.what());
    }
}
