#include "changedialog.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace boardgame {

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Quinto");
    Label1 = new QLabel("The text of the program was changed", this);
    Label2 = new QLabel("You want:", this);
    RB1 = new QRadioButton("Register your program", this);
    RB2 = new QRadioButton("Edit program", this);
    RB3 = new QRadioButton("Delete program", this);
    RB4 = new QRadioButton("Cancel changes to program", this);
    QFont bold = RB4->font();
    bold.setBold(true);
    RB4->setFont(bold);
    OK = new QPushButton("OK", this);
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, [this] { done(choice()); });

    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(RB1), static_cast<QWidget*>(RB2), static_cast<QWidget*>(RB3),
                       static_cast<QWidget*>(RB4)})
        layout->addWidget(w);
    layout->addWidget(OK, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint());
}

void TForm2::prepare(bool protectedProgram) {
    RB1->setChecked(true);
    RB2->setEnabled(!protectedProgram);
    RB3->setEnabled(!protectedProgram);
}

int TForm2::choice() const {
    if (RB2->isChecked()) return Edit;
    if (RB3->isChecked()) return Delete;
    if (RB4->isChecked()) return Cancel;
    return Register;
}

}  // namespace boardgame
