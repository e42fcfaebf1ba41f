// TForm1, quinto's main window: the board on the page "Field", the computer player's program on
// the page "Program", the menus and the small windows reached from them.
#pragma once

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <memory>

#include "board.h"
#include "engine.h"
#include "libraryfile.h"
#include "programlibrary.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTabWidget;
class QTimer;
class QToolButton;

namespace editor {
class ProgramEdit;
class SyntaxSelector;
}  // namespace editor

namespace mindloom {
class HelpWindow;
class TForm8;
}  // namespace mindloom

namespace boardgame {

class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm12;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // The library folder "System_Quinto" is looked for in `workingFolder`.
    explicit TForm1(std::filesystem::path workingFolder = std::filesystem::current_path(),
                    QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- controls ------------------------------------------------------------------------
    QTabWidget* STR;
    QWidget* STR1;  // "Field"
    QWidget* STR2;  // "Program"
    QFrame* Bevel1;
    QLabel* TexZ;
    QLabel* Label1;
    editor::ProgramEdit* Ed;
    editor::SyntaxSelector* Sintex;
    QToolButton* BStopC;
    QToolButton* BStopI;
    QTimer* TMV;
    QMenu* programMenu;  // "Program": one item per computer-player program
    QAction* N5;         // "New game"
    QAction* N11;        // "Exit"

    mindloom::TForm8* Form8;
    TForm2* Form2;
    TForm3* Form3;
    TForm4* Form4;
    TForm5* Form5;
    TForm6* Form6;
    TForm12* Form12;
    mindloom::HelpWindow* Help;

    // ---- the move cycle ------------------------------------------------------------------
    // The square button of column c, row r (0-based).
    QToolButton* squareButton(int column, int row) const { return squares_[column * kBoardSize + row]; }
    // A click on a square button: the user's cross, then the computer's answer.
    void BBBClick(QToolButton* sender);
    void TMVTimer();
    void N5Click();  // new game
    void BStopCClick();
    void BStopIClick();

    // ---- menu commands -------------------------------------------------------------------
    void N6Click();   // Rules: the rules window
    void N7Click();   // Help: the rules window
    void N8Click();   // Help: the keyword index of the help
    void N9Click();   // Help: the about box
    void N11Click();  // Game: exit
    void N13Click();  // Competitions: the invitation

    // ---- programs ------------------------------------------------------------------------
    // A click on an item of the "Program" menu.
    void NNClick(QAction* sender);
    QAction* programItem(int recordIndex) const;
    // The change dialog; called when the user leaves an edited text.
    void ChangeProgram();
    // The triggers that leave the edited text.
    void STR1Enter();
    void STR2Exit();
    void SintexEnter();
    void SintexChange();
    // Closing: saves the library when it was changed; false when the save failed (reported).
    bool FormClose();

    // ---- state, for the window's own use and for tests -------------------------------------
    Board& board() { return board_; }
    zolt::Engine& engine() { return engine_; }
    int turnState() const { return TurnState_; }
    bool turnRunning() const { return turnRunning_; }
    library::ProgramLibrary& programLibrary() { return library_; }
    library::ProgramRecord* currentRecord() const { return current_; }
    int currentRecordIndex() const;
    bool libraryModified() const { return LibraryModified_; }
    const library::LoadReport& loadReport() const { return loadReport_; }
    library::LibraryStorage& storage() { return storage_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void createMenus();
    void createFieldPage();
    void createProgramPage();
    void installEngineHooks();
    void loadLibrary();
    void addProgramItem(int recordIndex);
    void selectRecord(int recordIndex);
    void showStoredText();
    void gameOver();
    void showComputerMark(int column, int row);
    const QPixmap& markPicture(int code) const { return code == kCross ? crossPicture_ : noughtPicture_; }
    void showRunError(int code);
    void showCompileError(int code, const zolt::ErrorDetails& details);
    void showLoadMessage();
    void STRChange(int index);
    int registerProgram(zolt::Instruction* program, const std::string& internal);
    // Whether the engine is in use (a computer turn or a compile is running and processing
    // messages): board clicks, program changes and a new game wait until it is done.
    bool engineBusy() const { return turnRunning_ || compiling_; }

    Board board_;
    zolt::Engine engine_{zolt::VocabularyKind::Board};
    library::ProgramLibrary library_;
    library::LibraryStorage storage_;
    library::LoadReport loadReport_;
    library::ProgramRecord* current_ = nullptr;
    std::vector<QAction*> items_;  // the menu item of each record, by record index

    std::array<QToolButton*, kBoardSize * kBoardSize> squares_{};
    QPixmap crossPicture_, noughtPicture_;
    int TurnState_ = 1;
    bool LibraryModified_ = false;
    bool turnRunning_ = false;
    bool compiling_ = false;
    bool closeAfterTurn_ = false;
    bool shownOnce_ = false;
    bool inChangeDialog_ = false;
    int lastPage_ = 0;
};

}  // namespace boardgame
