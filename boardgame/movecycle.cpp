// The move cycle: the user's cross, the computer's answer, the end of a game and a new game.
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "computerturn.h"
#include "mainwindow.h"

namespace boardgame {

void TForm1::BBBClick(QToolButton* sender) {
    const int column = (sender->x() - 90) / 17;
    const int row = (sender->y() - 10) / 17;
    if (engineBusy() || inChangeDialog_) {
        // A click while a turn processes messages starts nothing: the button shows its square again.
        sender->setChecked(board_.at(column, row) != kEmpty);
        return;
    }
    sender->setChecked(true);
    if (TurnState_ != 1) return;
    if (!board_.PlaceCross(column, row)) return;
    sender->setIcon(crossPicture_);
    if (board_.FindFive(kCross)) {
        gameOver();
        return;
    }
    turnRunning_ = true;
    ComputerTurn(engine_, current_ ? current_->code : nullptr);
    turnRunning_ = false;
    if (board_.FindFive(kNought)) gameOver();
    if (closeAfterTurn_) QTimer::singleShot(0, this, &QWidget::close);
}

void TForm1::showComputerMark(int column, int row) {
    QToolButton* button = squareButton(column, row);
    button->setChecked(true);
    button->setIcon(noughtPicture_);
}

void TForm1::gameOver() {
    TurnState_ = -1;
    TMV->start();
    for (QToolButton* button : squares_)
        if (!button->isChecked()) button->setEnabled(false);
}

void TForm1::TMVTimer() {
    const FiveSquares& line = board_.WinningLine();
    const bool pressed = squareButton(line[0].column, line[0].row)->isChecked();
    for (const Square& s : line) {
        QToolButton* button = squareButton(s.column, s.row);
        button->setChecked(!pressed);
        // A raised button shows no mark, so the line visibly blinks whatever the style draws.
        button->setIcon(pressed ? QIcon() : markPicture(board_.at(s.column, s.row)));
    }
}

void TForm1::N5Click() {
    if (engineBusy()) return;
    if (STR->currentWidget() == STR2) STR->setCurrentWidget(STR1);
    board_.ResetBoard();
    TMV->stop();
    for (QToolButton* button : squares_) {
        button->setEnabled(true);
        button->setIcon(QIcon());
        button->setChecked(false);
    }
    TurnState_ = 1;
}

void TForm1::BStopCClick() {
    if (turnRunning_) engine_.RequestStop();
}

void TForm1::BStopIClick() {
    if (compiling_) engine_.setErrorCode(210);
}

}  // namespace boardgame
