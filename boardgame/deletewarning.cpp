#include "deletewarning.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace boardgame {

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Warning");
    L1 = new QLabel(" After destruction this variant", this);
    L2 = new QLabel("it will be impossible to restore.", this);
    L3 = new QLabel("You want to delete it?", this);
    B2 = new QPushButton("Yes", this);
    B1 = new QPushButton("No", this);
    B1->setDefault(true);  // the safe answer
    connect(B2, &QPushButton::clicked, this, [this] { done(Yes); });
    connect(B1, &QPushButton::clicked, this, [this] { done(No); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(L1);
    layout->addWidget(L2);
    layout->addWidget(L3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(B2);
    buttons->addWidget(B1);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

}  // namespace boardgame
