// TForm6, the name dialog: asks for the name of a newly registered computer-player program.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace boardgame {

class TForm6 : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxNameLength = 30;

    explicit TForm6(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;  // hidden: the name used when none is typed
    QLineEdit* Edit1;
    QPushButton* OK;

    // Opens empty, with the edit line focused.
    void prepare();
    // "OK": an empty name becomes "Non name" (selected, the dialog stays open); a name the library
    // cannot hold is explained and the dialog stays open; otherwise the dialog closes with 1.
    void OKClick();
    // Why a name cannot be used, or an empty text when it can.
    static QString nameProblem(const QString& name);
};

}  // namespace boardgame
