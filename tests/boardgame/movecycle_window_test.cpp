// The main window's board: start-up, the move cycle, the end of a game, a new game and the stops.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "errorwindow.h"
#include "helpwindow.h"
#include "smallwindows.h"
#include "programedit.h"
#include "qcp1251.h"
#include "standardprogram.h"
#include "window_test_support.h"

using boardgame::Square;
using quintotest::ModalAnswers;
using quintotest::WindowTest;

namespace {
int noughts(boardgame::TForm1& w) { return w.board().count(boardgame::kNought); }
}  // namespace

TEST_F(WindowTest, StartsWithStandardOnAnEmptyBoard) {
    EXPECT_EQ(window->windowTitle(), "Quinto");
    EXPECT_EQ(window->STR->tabText(0), "Field");
    EXPECT_EQ(window->STR->tabText(1), "Program");
    EXPECT_EQ(window->turnState(), 1);
    EXPECT_EQ(window->loadReport().source, library::LibrarySource::DefaultNoFolder);
    ASSERT_NE(window->programItem(0), nullptr);
    EXPECT_EQ(window->programItem(0)->text(), "Standard");
    EXPECT_EQ(window->programMenu->actions().size(), 1);
    EXPECT_EQ(window->TexZ->text(), "Computer program <Standard>:");
    EXPECT_EQ(window->Label1->text(), "For each Square(X, Y) calculate");
    EXPECT_EQ(window->Sintex->currentText(), "Zolt English");
    EXPECT_EQ(editorText(), boardgame::standardText(2));
    EXPECT_FALSE(window->Ed->modifiedMark());
    // The square buttons stand where their squares are: 17 pixels apart from (90, 10).
    QToolButton* corner = window->squareButton(19, 19);
    EXPECT_EQ(corner->geometry(), QRect(90 + 17 * 19, 10 + 17 * 19, 17, 17));
    EXPECT_FALSE(corner->isChecked());
    EXPECT_TRUE(corner->isEnabled());
    EXPECT_TRUE(window->BStopC->isHidden());
    EXPECT_TRUE(window->BStopI->isHidden());
    // A fixed window in the middle of the screen that can be minimised but not maximised.
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    ASSERT_NE(window->screen(), nullptr);
    EXPECT_EQ(window->geometry().center(), window->screen()->availableGeometry().center());
}

TEST_F(WindowTest, CrossIsAnsweredByStandard) {
    click(9, 9);
    EXPECT_EQ(window->board().at(9, 9), boardgame::kCross);
    EXPECT_TRUE(window->squareButton(9, 9)->isChecked());
    EXPECT_FALSE(window->squareButton(9, 9)->icon().isNull());
    // Next to the lone cross, the last of the tying squares in scan order.
    EXPECT_EQ(window->board().at(10, 10), boardgame::kNought);
    EXPECT_TRUE(window->squareButton(10, 10)->isChecked());
    EXPECT_FALSE(window->squareButton(10, 10)->icon().isNull());
    EXPECT_EQ(noughts(*window), 1);
    EXPECT_EQ(window->turnState(), 1);
}

TEST_F(WindowTest, ClickOnATakenSquareChangesNothing) {
    click(9, 9);
    click(9, 9);   // the user's own cross
    click(10, 10); // the computer's nought
    EXPECT_EQ(noughts(*window), 1);
    EXPECT_EQ(window->board().at(10, 10), boardgame::kNought);
    EXPECT_TRUE(window->squareButton(9, 9)->isChecked());
    EXPECT_TRUE(window->squareButton(10, 10)->isChecked());
}

TEST_F(WindowTest, ProgramWithoutMoveLetsTheUserMoveAgain) {
    useProgram("n=n+1;");
    click(3, 3);
    click(4, 3);
    EXPECT_EQ(window->board().count(boardgame::kCross), 2);
    EXPECT_EQ(noughts(*window), 0);
    EXPECT_EQ(window->turnState(), 1);
}

TEST_F(WindowTest, FiveCrossesEndTheGameAndBlink) {
    ModalAnswers none;  // the end of a game shows no message
    useProgram("n=n+1;");
    for (int c = 5; c < 10; ++c) click(c, 12);
    EXPECT_EQ(window->turnState(), -1);
    EXPECT_TRUE(window->TMV->isActive());
    EXPECT_EQ(window->TMV->interval(), 200);
    EXPECT_FALSE(window->squareButton(0, 0)->isEnabled());
    EXPECT_TRUE(window->squareButton(5, 12)->isEnabled());
    const Square expected[] = {{5, 12}, {6, 12}, {7, 12}, {8, 12}, {9, 12}};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(window->board().WinningLine()[k], expected[k]);

    window->TMVTimer();
    for (const Square& s : expected) {
        EXPECT_FALSE(window->squareButton(s.column, s.row)->isChecked());
        EXPECT_TRUE(window->squareButton(s.column, s.row)->icon().isNull());
    }
    window->TMVTimer();
    for (const Square& s : expected) {
        EXPECT_TRUE(window->squareButton(s.column, s.row)->isChecked());
        EXPECT_FALSE(window->squareButton(s.column, s.row)->icon().isNull());
    }

    // After the end a click neither places a cross nor asks the computer.
    click(0, 0);
    window->squareButton(5, 12)->click();
    EXPECT_EQ(window->board().at(0, 0), boardgame::kEmpty);
    EXPECT_TRUE(window->squareButton(5, 12)->isChecked());
    EXPECT_EQ(window->board().count(boardgame::kCross), 5);
}

TEST_F(WindowTest, FiveNoughtsFromTheComputerEndTheGame) {
    ModalAnswers none;
    // The computer fills row 1 from the left, one square per turn.
    useProgram("ifdo(y$1&square(x,y)$empty)move(x,y);d_a_l:pusto();");
    for (int c = 0; c < 5; ++c) click(c * 2, 10);
    EXPECT_EQ(window->turnState(), -1);
    EXPECT_EQ(window->board().WinningLine()[0], (Square{0, 0}));
    EXPECT_EQ(window->board().WinningLine()[4], (Square{4, 0}));
    EXPECT_TRUE(window->TMV->isActive());
    EXPECT_FALSE(window->squareButton(19, 19)->isEnabled());
}

TEST_F(WindowTest, NewGameFromTheProgramPageClearsTheBoardAndKeepsTheProgram) {
    useProgram("n=n+1;");
    for (int c = 5; c < 10; ++c) click(c, 12);
    ASSERT_EQ(window->turnState(), -1);
    zolt::Instruction* program = window->currentRecord()->code;
    window->STR->setCurrentWidget(window->STR2);
    window->N5Click();
    EXPECT_EQ(window->STR->currentWidget(), window->STR1);
    EXPECT_EQ(window->turnState(), 1);
    EXPECT_FALSE(window->TMV->isActive());
    EXPECT_EQ(window->board().count(boardgame::kEmpty), 400);
    for (int c = 0; c < 20; ++c)
        for (int r = 0; r < 20; ++r) {
            QToolButton* b = window->squareButton(c, r);
            ASSERT_TRUE(b->isEnabled() && !b->isChecked() && b->icon().isNull()) << c << "," << r;
        }
    EXPECT_EQ(window->currentRecord()->code, program);
    EXPECT_EQ(window->engine().cell("n"), 400) << "the last turn's variables stay as they are";
    click(1, 1);
    EXPECT_EQ(window->board().at(1, 1), boardgame::kCross);
}

TEST_F(WindowTest, RunErrorIsShownWithTheProgramAndLeavesTheProgramPage) {
    useProgram("move(25,1);");
    ModalAnswers answers;
    answers.expect<mindloom::TForm8>([](mindloom::TForm8& box) {
        EXPECT_EQ(box.Tex->text(), "Error in the programStandard>");
        EXPECT_EQ(box.L1->text(), "Out field");
        EXPECT_EQ(box.ErrorHelpContext, 1201);
        return 1;
    });
    click(3, 3);
    EXPECT_EQ(window->STR->currentWidget(), window->STR2);
    EXPECT_EQ(noughts(*window), 0);
    EXPECT_EQ(window->turnState(), 1);
    EXPECT_EQ(window->board().at(3, 3), boardgame::kCross);
}

namespace {
// A run long enough for the executor to let the window process its messages.
constexpr const char* kSlowMove = "i=0;l:i=i+1;ifdo(i<120000)gotodopol(l);d_a_l:pusto();move(x,y);";
constexpr const char* kEndless = "l:i=i+1;gotodopol(l);";
}  // namespace

TEST_F(WindowTest, ClickWhileTheComputerThinksStartsNoSecondTurn) {
    useProgram(kSlowMove);
    auto process = window->engine().hooks.processMessages;
    int calls = 0;
    window->engine().hooks.processMessages = [&] {
        if (++calls == 1) click(15, 15);  // the user clicks while the turn processes messages
        process();
    };
    click(3, 3);
    EXPECT_GE(calls, 1);
    EXPECT_EQ(window->board().at(15, 15), boardgame::kEmpty);
    EXPECT_FALSE(window->squareButton(15, 15)->isChecked());
    EXPECT_EQ(noughts(*window), 1);
    EXPECT_EQ(window->board().at(0, 0), boardgame::kNought);
    EXPECT_FALSE(window->turnRunning());
    useProgram("n=n+1;");
    click(15, 15);  // once the turn is over the square can be taken
    EXPECT_EQ(window->board().at(15, 15), boardgame::kCross);
}

TEST_F(WindowTest, StopButtonEndsALongTurn) {
    useProgram(kEndless);
    auto process = window->engine().hooks.processMessages;
    int calls = 0;
    bool stopShown = false;
    window->engine().hooks.processMessages = [&] {
        // The Stop button appears after the first pause; pressing it ends the run.
        if (++calls == 2) {
            stopShown = window->BStopC->isVisibleTo(window->STR2);
            window->BStopC->click();
        }
        process();
    };
    ModalAnswers answers;
    answers.expect<mindloom::TForm8>([](mindloom::TForm8& box) {
        EXPECT_EQ(box.L1->text(), "Performance of the order");
        EXPECT_EQ(box.L2->text(), "  was interrupted.");
        EXPECT_EQ(box.ErrorHelpContext, 2000);
        return 1;
    });
    click(3, 3);
    EXPECT_TRUE(stopShown);
    EXPECT_TRUE(window->BStopC->isHidden());
    EXPECT_EQ(noughts(*window), 0);
    EXPECT_EQ(window->turnState(), 1);
    EXPECT_EQ(window->STR->currentWidget(), window->STR2);
}

TEST_F(WindowTest, FullBoardWithoutFiveTakesNoMoreMoves) {
    useProgram("n=n+1;");
    // Pairs of columns alternate between the sides, so no line holds five of one side.
    for (int c = 0; c < 20; ++c)
        for (int r = 0; r < 20; ++r)
            if (c != 0 || r != 0) window->board().set(c, r, (c / 2 + r) % 2 ? boardgame::kCross : boardgame::kNought);
    ASSERT_FALSE(window->board().FindFive(boardgame::kCross));
    ASSERT_FALSE(window->board().FindFive(boardgame::kNought));
    click(0, 0);
    EXPECT_EQ(window->board().count(boardgame::kEmpty), 0);
    EXPECT_EQ(window->turnState(), 1);
    click(5, 5);
    EXPECT_EQ(window->board().count(boardgame::kEmpty), 0);
}

TEST_F(WindowTest, MenusOpenTheirWindows) {
    QStringList menus;
    for (QAction* action : window->menuBar()->actions()) menus << action->text();
    EXPECT_EQ(menus, (QStringList{"Game", "Program", "Rules", "Competitions", "Help"}));
    EXPECT_EQ(window->N5->text(), "New game");
    EXPECT_EQ(window->N11->text(), "Exit");

    window->N6Click();
    EXPECT_TRUE(window->Form4->isVisible());
    EXPECT_EQ(window->Form4->windowTitle(), "Rules of game");
    EXPECT_TRUE(window->Form4->Ed->isReadOnly());
    EXPECT_NE(window->Form4->Ed->toPlainText().indexOf("five"), -1);
    window->N13Click();
    EXPECT_TRUE(window->Form5->isVisible());
    EXPECT_EQ(window->Form5->windowTitle(), "Invitation");
    window->N8Click();
    EXPECT_EQ(window->Help->shownTopic(), mindloom::HelpWindow::kIndexTopic);
    // The board game's own error topics have pages.
    for (int topic : {1201, 1202, 2000, 2100}) EXPECT_TRUE(window->Help->hasTopic(topic)) << topic;

    ModalAnswers answers;
    answers.expect<boardgame::TForm12>([](boardgame::TForm12& about) {
        EXPECT_EQ(about.windowTitle(), "About\u2026");
        return 1;
    });
    window->N9Click();
}
