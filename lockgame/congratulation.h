// TForm2: the congratulation after the hundredth lock.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace lockgame {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QLabel* Lab1 = nullptr;
    QLabel* Lab2 = nullptr;
    QPushButton* Button1 = nullptr;  // "OK"

    void Button1Click();  // closes with result 1
};

}  // namespace lockgame
