// The error window TForm8 and ShowError: a failure code shown as category, message and hint
// lines, with a Help button that opens the help at the code's topic.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

#include <errors.h>

class QLabel;
class QPushButton;

namespace mindloom {

class HelpWindow;

class TForm8 : public QDialog {
    Q_OBJECT
public:
    // The board game's window has the program line `Tex` above the category line.
    explicit TForm8(bool withProgramLine, QWidget* parent = nullptr);

    QLabel* Tex = nullptr;  // null in the painter
    QLabel* L1;
    QLabel* L2;
    QLabel* L3;
    QLabel* Image1;
    QPushButton* Button1;  // "OK"
    QPushButton* Button2;  // "Help"

    // The help topic of the code shown last; the Help button opens it.
    int ErrorHelpContext = 1001;

    void setHelpWindow(HelpWindow* help) { help_ = help; }
    // Run before the help opens (the painter hides its statement window).
    std::function<void()> beforeHelp;
    // Run for code 210, reading stopped: the main window hides its Stop button BStopI.
    std::function<void()> hideCompileStop;

    // Writes the lines of a code without showing the window. Windows-1251 texts.
    void present(int code, const zolt::ErrorDetails& details, const std::string& programName = {});
    void Button2Click();

private:
    HelpWindow* help_ = nullptr;
};

// Fills the window for `code` and shows it modally (through showModal); returns when it is closed.
// `programName` is the board game's failing program (ignored without the program line).
void ShowError(TForm8& window, int code, const zolt::ErrorDetails& details, const std::string& programName = {});

}  // namespace mindloom
