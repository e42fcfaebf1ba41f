// TForm12: the about box behind the "?" button.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace lockgame {

class TForm12 : public QDialog {
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);

    QLabel* Picture = nullptr;
    QLabel* L = nullptr;          // set when the window is created: how many locks a game has
    QLabel* ProductName = nullptr;
    QLabel* Series = nullptr;
    QLabel* Rules = nullptr;
    QPushButton* OKButton = nullptr;
};

}  // namespace lockgame
