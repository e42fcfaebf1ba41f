#include "congratulation.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace lockgame {

TForm2::TForm2(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setFixedSize(593, 165);
    setAutoFillBackground(true);
    QPalette lime = palette();
    lime.setColor(QPalette::Window, QColor(0, 255, 0));
    lime.setColor(QPalette::WindowText, QColor(255, 0, 0));
    setPalette(lime);

    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(24);
    font.setBold(true);
    const auto line = [&](int top) {
        auto* label = new QLabel(this);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(8, top, 577, 32);
        return label;
    };
    Lab1 = line(24);
    Lab2 = line(60);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setGeometry(256, 112, 81, 33);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TForm2::Button1Click() { done(1); }

}  // namespace lockgame
