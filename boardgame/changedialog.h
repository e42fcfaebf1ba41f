// TForm2, the change dialog: what to do with an edited computer-player program.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;

namespace boardgame {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    // The modal results, one per choice.
    enum Choice { Register = 1, Edit = 2, Delete = 3, Cancel = 4 };

    explicit TForm2(QWidget* parent = nullptr);

    QLabel* Label1;  // "The text of the program was changed"
    QLabel* Label2;  // "You want:"
    QRadioButton* RB1;
    QRadioButton* RB2;
    QRadioButton* RB3;
    QRadioButton* RB4;
    QPushButton* OK;

    // Fresh state for one use: RB1 checked; editing and deleting only for unprotected programs.
    void prepare(bool protectedProgram);
    // The choice of the checked button.
    int choice() const;

    // The dialog ends only through "OK" with a choice: Escape and the close box do nothing.
    void reject() override {}
};

}  // namespace boardgame
