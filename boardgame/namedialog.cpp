#include "namedialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "cp1251.h"
#include "librarytext.h"
#include "modal.h"

namespace boardgame {

TForm6::TForm6(QWidget* parent) : QDialog(parent) {
    setWindowTitle("The name of your program");
    Label1 = new QLabel("The name of your program", this);
    Label2 = new QLabel("For example: Your Surname", this);
    Label3 = new QLabel("Non name", this);
    Label3->hide();
    Edit1 = new QLineEdit(this);
    Edit1->setMaxLength(kMaxNameLength);
    OK = new QPushButton("OK", this);
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, &TForm6::OKClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Edit1);
    layout->addWidget(OK, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint().expandedTo(QSize(260, 0)));
}

void TForm6::prepare() {
    Edit1->clear();
    Edit1->setFocus();
}

QString TForm6::nameProblem(const QString& name) {
    const auto converted = mindloom::utf8ToCp1251(name.toStdString());
    if (!converted.ok) return "The name may use Latin and Cyrillic letters, digits and punctuation only.";
    std::string why;
    if (!library::isValidProgramName(converted.text, &why)) return QString::fromStdString(why);
    return {};
}

void TForm6::OKClick() {
    if (Edit1->text().isEmpty()) {
        Edit1->setText(Label3->text());
        Edit1->selectAll();
        Edit1->setFocus();
        return;
    }
    const QString problem = nameProblem(Edit1->text());
    if (!problem.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, windowTitle(), problem, QMessageBox::Ok, this);
        mindloom::showModal(box);
        Edit1->selectAll();
        Edit1->setFocus();
        return;
    }
    done(1);
}

}  // namespace boardgame
