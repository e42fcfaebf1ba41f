// The rules window TForm4, the invitation window TForm5 and the about box TForm12.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

namespace boardgame {

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
    QTextEdit* Ed;
};

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
    QTextEdit* EdPr;
};

class TForm12 : public QDialog {
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);
    QLabel* Picture;
    QLabel* L;
    QPushButton* OK;
};

}  // namespace boardgame
