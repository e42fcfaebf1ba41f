#include "smallwindows.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "pictures.h"

namespace boardgame {

namespace {
QTextEdit* readOnlyText(QWidget* parent, const QString& html) {
    auto* edit = new QTextEdit(parent);
    edit->setReadOnly(true);
    QFont font("Times New Roman");
    font.setPointSize(12);
    edit->setFont(font);
    edit->setHtml(html);
    auto* layout = new QVBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
    return edit;
}
}  // namespace

TForm4::TForm4(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Rules of game");
    resize(574, 301);
    Ed = readOnlyText(this,
        "<p>You play against the computer on a board of 20 by 20 squares. You put crosses: click an "
        "empty square of the page <b>Field</b>. The computer answers every cross with a nought.</p>"
        "<p>Whoever first puts five of his marks in succession on one line &mdash; horizontal, "
        "vertical or diagonal &mdash; wins. The winning five then blinks on the board. "
        "<b>Game &rarr; New game</b> clears the board; you always move first.</p>"
        "<p>The page <b>Program</b> shows the text of the program by which the computer looks for its "
        "answer: it is run once for every square of the board, until it makes a move. You may edit "
        "that program or replace it entirely, in any of the five syntaxes, and register your own "
        "versions under a name of your own in the menu <b>Program</b>.</p>");
}

TForm5::TForm5(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Invitation");
    resize(576, 389);
    EdPr = readOnlyText(this,
        "<h3>Competition of computer players</h3>"
        "<p>Can your program beat &laquo;Standard&raquo;? Write a computer player of your own on the "
        "page <b>Program</b>, register it under your name and let it play.</p>"
        "<p>A good player looks at every square: how many marks of each side stand next to it on the "
        "four lines through it, and which ends are blocked. Give every square a score, keep the best "
        "one in a variable, and call <i>Move</i> at the last square.</p>"
        "<p>Bring your library file <tt>System_Quinto/Lumo.lmo</tt> to the competition: the programs "
        "registered in it play against each other, every pair twice, each side moving first once. "
        "The program with the most won games wins the competition.</p>");
}

TForm12::TForm12(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About\u2026");
    Picture = new QLabel(this);
    QPixmap picture(34, 17);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, crossPicture());
        painter.drawPixmap(17, 0, noughtPicture());
    }
    Picture->setPixmap(picture.scaled(68, 34));
    L = new QLabel("Quinto", this);
    QFont title = L->font();
    title.setPointSize(title.pointSize() + 6);
    title.setBold(true);
    L->setFont(title);
    auto* text1 = new QLabel("Five in a row against a computer player you can program.", this);
    auto* text2 = new QLabel("A program of the Mindloom series for learning to program.", this);
    OK = new QPushButton("OK", this);
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(Picture);
    top->addWidget(L, 1);
    layout->addLayout(top);
    layout->addWidget(text1);
    layout->addWidget(text2);
    layout->addWidget(OK, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint());
}

}  // namespace boardgame
