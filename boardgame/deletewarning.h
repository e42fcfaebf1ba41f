// TForm3, the warning before a computer-player program is deleted.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace boardgame {

class TForm3 : public QDialog {
    Q_OBJECT
public:
    enum Answer { Yes = 1, No = 2 };

    explicit TForm3(QWidget* parent = nullptr);

    QLabel* L1;
    QLabel* L2;
    QLabel* L3;
    QPushButton* B2;  // "Yes"
    QPushButton* B1;  // "No"
};

}  // namespace boardgame
