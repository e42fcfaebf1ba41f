// The computer's turn: the scan over the squares, its early end, the variable reset, and the
// default player "Standard" against an independent scorer of its rules.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "board.h"
#include "computerturn.h"
#include "engine.h"
#include "position.h"
#include "standardprogram.h"

using boardgame::Board;
using boardgame::Square;

namespace {

class TurnTest : public ::testing::Test {
protected:
    TurnTest() {
        engine.board = &board;
        engine.hooks.showError = [this](int code) { shownErrors.push_back(code); };
    }

    zolt::Instruction* compile(const std::string& text) {
        const int code = engine.CompileProgram(text);
        EXPECT_EQ(code, 0) << text;
        return engine.entryInstruction();
    }
    double value(const char* name) { return engine.cell(name); }

    zolt::Engine engine{zolt::VocabularyKind::Board};
    Board board;
    std::vector<int> shownErrors;
};

}  // namespace

TEST_F(TurnTest, SquareReadsOffTheBoardAsEmptyAndTruncatesCoordinates) {
    board.set(19, 0, boardgame::kNought);  // (20, 1)
    board.set(2, 0, boardgame::kCross);    // (3, 1)
    board.set(0, 4, boardgame::kCross);    // (1, 5)
    zolt::Instruction* program = compile(
        "p=square(0,5);q=square(21,1);r=square(3,0.7);s=square(20.9,1);t=square(3,1.9);u=square(1,5);");
    engine.RunProgram(program);
    EXPECT_EQ(value("p"), 0);
    EXPECT_EQ(value("q"), 0);
    EXPECT_EQ(value("r"), 0);
    EXPECT_EQ(value("s"), 1);
    EXPECT_EQ(value("t"), -1);
    EXPECT_EQ(value("u"), -1);
    EXPECT_TRUE(shownErrors.empty());
}

struct FailedMove {
    const char* program;
    int code;
};

class FailedMoves : public TurnTest, public ::testing::WithParamInterface<FailedMove> {};

TEST_P(FailedMoves, EndTheTurnWithTheErrorAndLeaveTheBoard) {
    board.set(2, 2, boardgame::kCross);  // (3, 3)
    const std::string before = boardgame::writePosition(board);
    const int code = boardgame::ComputerTurn(engine, compile(GetParam().program));
    EXPECT_EQ(code, GetParam().code);
    EXPECT_EQ(shownErrors, std::vector<int>{GetParam().code});
    EXPECT_EQ(boardgame::writePosition(board), before);
    EXPECT_FALSE(board.lastComputerMark());
    EXPECT_EQ(value("x"), 2) << "the scan stops after the first run";
}

INSTANTIATE_TEST_SUITE_P(Codes, FailedMoves,
                         ::testing::Values(FailedMove{"move(3,3);", 202}, FailedMove{"move(21,3);", 201},
                                           FailedMove{"move(0,0);", 201}, FailedMove{"move(3,-0.5);", 201},
                                           FailedMove{"q=1/0;move(1,1);", 110}));

TEST_F(TurnTest, ProgramWithoutMovePassesAfterAllFourHundredRuns) {
    const int code = boardgame::ComputerTurn(engine, compile("n=n+1;"));
    EXPECT_EQ(code, 0);
    EXPECT_EQ(value("n"), 400);
    EXPECT_EQ(board.count(boardgame::kEmpty), 400);
    EXPECT_TRUE(shownErrors.empty());
    EXPECT_EQ(boardgame::ComputerTurn(engine, nullptr), 0) << "an empty program passes too";
}

TEST_F(TurnTest, ScanGoesRowByRowAndEndsAtTheMove) {
    // The 25th run is the fifth square of the second row.
    const int code = boardgame::ComputerTurn(engine, compile("n=n+1;ifdo(n$25)move(x,y);d_a_l:pusto();"));
    EXPECT_EQ(code, 222);
    EXPECT_EQ(board.lastComputerMark(), (Square{4, 1}));
    EXPECT_EQ(board.count(boardgame::kNought), 1);
    EXPECT_EQ(value("n"), 25);
    EXPECT_TRUE(shownErrors.empty());
}

TEST_F(TurnTest, AssignmentsToXAndYMoveTheScan) {
    // Each run skips the next square: the runs see x = 1, 3, 5.
    EXPECT_EQ(boardgame::ComputerTurn(engine, compile("n=n+1;x=x+1;ifdo(n$3)move(x,y);d_a_l:pusto();")), 222);
    EXPECT_EQ(board.lastComputerMark(), (Square{5, 0}));

    // x = 25 ends every row after one run.
    EXPECT_EQ(boardgame::ComputerTurn(engine, compile("k=k+1;x=25;")), 0);
    EXPECT_EQ(value("k"), 20);

    // y = 20 in the first row makes it the last row.
    EXPECT_EQ(boardgame::ComputerTurn(engine, compile("m=m+1;y=20;")), 0);
    EXPECT_EQ(value("m"), 20);
}

TEST_F(TurnTest, EveryTurnStartsWithOrdinaryVariablesAtZero) {
    zolt::Instruction* failing = compile("w=w+1;ifdo(w$5)q=1/0;d_a_l:pusto();");
    EXPECT_EQ(boardgame::ComputerTurn(engine, failing), 110);
    EXPECT_EQ(value("w"), 5);
    // Had w kept its 5, this program would never reach 2 and never move.
    zolt::Instruction* counting = compile("w=w+1;ifdo(w$2)move(x,y);d_a_l:pusto();");
    EXPECT_EQ(boardgame::ComputerTurn(engine, counting), 222);
    EXPECT_EQ(board.lastComputerMark(), (Square{1, 0}));
    EXPECT_EQ(value("tit"), -1);
    EXPECT_EQ(value("tat"), 1);
}

TEST_F(TurnTest, StopDuringALongRunEndsTheTurn) {
    engine.hooks.processMessages = [this] { engine.RequestStop(); };
    const int code = boardgame::ComputerTurn(engine, compile("l:i=i+1;gotodopol(l);"));
    EXPECT_EQ(code, 200);
    EXPECT_EQ(shownErrors, std::vector<int>{200});
    EXPECT_EQ(value("x"), 2);
}

TEST_F(TurnTest, ScanThatNeverEndsCanBeStopped) {
    // Every run puts x back, so the scan would go on for ever with runs too short to yield.
    std::vector<bool> stopShown;
    engine.hooks.showRunStop = [&](bool shown) { stopShown.push_back(shown); };
    engine.hooks.processMessages = [this] { engine.RequestStop(); };
    const int code = boardgame::ComputerTurn(engine, compile("x=0;"));
    EXPECT_EQ(code, 200);
    EXPECT_EQ(shownErrors, std::vector<int>{200});
    ASSERT_FALSE(stopShown.empty());
    EXPECT_TRUE(stopShown.front());
    EXPECT_FALSE(stopShown.back());
}

// ---- the default player "Standard" ---------------------------------------------------------

namespace {

// The score of an empty square by the rules "Standard" follows: in four directions, for the
// user's marks and then the computer's, count the adjacent marks on both sides and the ends the
// opponent blocks.
double referenceScore(const Board& board, int x, int y) {
    auto view = [&](int sx, int sy) {
        return sx >= 1 && sx <= 20 && sy >= 1 && sy <= 20 ? board.at(sx - 1, sy - 1) - 1 : 0;
    };
    const int directions[4][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}};
    double sum = 0;
    for (const auto& d : directions) {
        for (int f : {-1, 1}) {
            int n1 = 0, n2 = 0;
            for (int sign : {1, -1}) {
                for (int c = sign;; c += sign) {
                    const int v = view(x + d[0] * c, y + d[1] * c);
                    if (v == f) {
                        ++n1, ++n2;
                        if (c * c >= 16) break;
                        continue;
                    }
                    if (v == -f) --n2;
                    break;
                }
            }
            const double mark = n1 == 4 ? (1 + 5 * (f + 1)) * std::pow(10.0, 9) : std::pow(70 + 110 * (f + 1), n2);
            sum = sum + mark;
        }
    }
    return sum;
}

std::optional<Square> referenceMove(const Board& board) {
    double most = 0;
    std::optional<Square> best;
    for (int y = 1; y <= 20; ++y)
        for (int x = 1; x <= 20; ++x) {
            if (board.at(x - 1, y - 1) != boardgame::kEmpty) continue;
            const double sum = referenceScore(board, x, y);
            if (sum >= most) most = sum, best = Square{x - 1, y - 1};
        }
    return best;
}

}  // namespace

TEST_F(TurnTest, StandardAnswersNextToALoneCrossAndTakesTheLastTie) {
    zolt::Instruction* standard = compile(boardgame::standardText(0));
    board.set(9, 9, boardgame::kCross);
    EXPECT_EQ(boardgame::ComputerTurn(engine, standard), 222);
    // The eight neighbours tie; the last of them in scan order is below and to the right.
    EXPECT_EQ(board.lastComputerMark(), (Square{10, 10}));
    EXPECT_TRUE(shownErrors.empty());
}

TEST_F(TurnTest, StandardCompletesItsFourBeforeBlockingTheUsersFour) {
    zolt::Instruction* standard = compile(boardgame::standardText(0));
    for (int c = 2; c < 6; ++c) board.set(c, 3, boardgame::kCross);    // user: four on row 4
    for (int r = 10; r < 14; ++r) board.set(15, r, boardgame::kNought);  // computer: four in column 16
    EXPECT_EQ(boardgame::ComputerTurn(engine, standard), 222);
    ASSERT_TRUE(board.lastComputerMark());
    EXPECT_EQ(board.lastComputerMark()->column, 15);
    EXPECT_TRUE(board.FindFive(boardgame::kNought));

    board.ResetBoard();
    for (int c = 2; c < 6; ++c) board.set(c, 3, boardgame::kCross);
    board.set(1, 3, boardgame::kNought);
    EXPECT_EQ(boardgame::ComputerTurn(engine, standard), 222);
    EXPECT_EQ(board.lastComputerMark(), (Square{6, 3})) << "the open end of the user's four is blocked";
}

TEST_F(TurnTest, StandardPlaysAsItsRulesSayOnRandomPositions) {
    zolt::Instruction* standard = compile(boardgame::standardText(0));
    std::mt19937 random(20261211);
    for (int game = 0; game < 40; ++game) {
        board.ResetBoard();
        const int marks = 2 + game * 3;
        for (int placed = 0; placed < marks;) {
            const int c = random() % 20, r = random() % 20;
            if (board.at(c, r) != boardgame::kEmpty) continue;
            board.set(c, r, placed % 2 ? boardgame::kNought : boardgame::kCross);
            ++placed;
        }
        const std::optional<Square> expected = referenceMove(board);
        const std::string position = boardgame::writePosition(board);
        EXPECT_EQ(boardgame::ComputerTurn(engine, standard), 222) << position;
        EXPECT_EQ(board.lastComputerMark(), expected) << position;
    }
    EXPECT_TRUE(shownErrors.empty());
}

TEST_F(TurnTest, StandardOnAFullBoardMovesOutOfTheField) {
    zolt::Instruction* standard = compile(boardgame::standardText(0));
    for (int c = 0; c < 20; ++c)
        for (int r = 0; r < 20; ++r) board.set(c, r, (c / 2 + r) % 2 ? boardgame::kCross : boardgame::kNought);
    EXPECT_EQ(boardgame::ComputerTurn(engine, standard), 201);
}

struct CompileCase {
    const char* text;
    int code;
};

class BoardVocabularyCompile : public TurnTest, public ::testing::WithParamInterface<CompileCase> {};

TEST_P(BoardVocabularyCompile, RefusesWhatTheBoardDoesNotOffer) {
    EXPECT_EQ(engine.CompileProgram(GetParam().text), GetParam().code) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Codes, BoardVocabularyCompile,
                         ::testing::Values(CompileCase{"tit=2;", 97}, CompileCase{"empty=1;", 97},
                                           CompileCase{"x=3;y=x;", 0}, CompileCase{"move(1,2,3);", 95},
                                           CompileCase{"v=square(1);", 80}, CompileCase{"v=remainder(7,2);", 90},
                                           CompileCase{"line(1,2,3,4);", 90}));
