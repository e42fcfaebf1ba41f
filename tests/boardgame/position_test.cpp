// Positions as text, as the command-line tool and the benchmark read them.
#include <gtest/gtest.h>

#include <string>

#include "position.h"

namespace {
std::string emptyRows(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += std::string(20, '.') + "\n";
    return text;
}
}  // namespace

TEST(Position, ReadsMarksRowByRowAndWritesThemBack) {
    std::string text = "X" + std::string(18, '.') + "o\r\n" + emptyRows(19);
    boardgame::Board board;
    ASSERT_TRUE(boardgame::readPosition(text, board).ok);
    EXPECT_EQ(board.at(0, 0), boardgame::kCross);
    EXPECT_EQ(board.at(19, 0), boardgame::kNought);
    EXPECT_EQ(board.count(boardgame::kEmpty), 398);
    EXPECT_EQ(boardgame::writePosition(board), "X" + std::string(18, '.') + "O\n" + emptyRows(19));
}

TEST(Position, RefusesMalformedTextAndKeepsTheBoard) {
    const struct {
        std::string text;
        const char* problem;
    } cases[] = {
        {emptyRows(19), "has 20 lines, this one has 19"},
        {emptyRows(21), "this one has 21"},
        {emptyRows(5) + std::string(19, '.') + "\n" + emptyRows(14), "line 6 has 19 characters"},
        {emptyRows(2) + "..#" + std::string(17, '.') + "\n" + emptyRows(17), "line 3, column 3"},
        {"", "this one has 0"},
    };
    for (const auto& c : cases) {
        boardgame::Board board;
        board.set(4, 4, boardgame::kCross);
        const auto reading = boardgame::readPosition(c.text, board);
        EXPECT_FALSE(reading.ok);
        EXPECT_NE(reading.problem.find(c.problem), std::string::npos) << reading.problem;
        EXPECT_EQ(board.at(4, 4), boardgame::kCross);
        EXPECT_EQ(board.count(boardgame::kEmpty), 399);
    }
}
