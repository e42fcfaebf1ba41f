// The board model: placing crosses and the five-in-a-row check with its fixed line order.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "board.h"

using boardgame::Board;
using boardgame::FiveSquares;
using boardgame::Square;

namespace {

void put(Board& board, const std::vector<Square>& squares, int code) {
    for (const Square& s : squares) board.set(s.column, s.row, code);
}

std::vector<Square> lineFrom(Square start, int dc, int dr, int length = 5) {
    std::vector<Square> line;
    for (int k = 0; k < length; ++k) line.push_back({start.column + k * dc, start.row + k * dr});
    return line;
}

}  // namespace

TEST(Board, PlaceCrossTakesOnlyEmptySquares) {
    Board board;
    EXPECT_TRUE(board.PlaceCross(3, 4));
    EXPECT_EQ(board.at(3, 4), boardgame::kCross);
    EXPECT_FALSE(board.PlaceCross(3, 4));
    board.set(5, 5, boardgame::kNought);
    EXPECT_FALSE(board.PlaceCross(5, 5));
    EXPECT_EQ(board.at(5, 5), boardgame::kNought);
    EXPECT_FALSE(board.PlaceCross(20, 0));
    board.ResetBoard();
    EXPECT_EQ(board.count(boardgame::kEmpty), 400);
}

TEST(Board, ScriptViewOfSquares) {
    Board board;
    board.set(0, 0, boardgame::kCross);
    board.set(19, 19, boardgame::kNought);
    EXPECT_EQ(board.boardCell(0, 0), 0);
    EXPECT_EQ(board.boardCell(19, 19), 2);
    EXPECT_EQ(board.boardCell(1, 1), 1);
    EXPECT_EQ(board.boardCell(-1, 3), 1);  // off the board reads as empty
}

struct FiveCase {
    const char* what;
    std::vector<Square> marks;
    int code;
    FiveSquares expected;
};

class FindFiveCases : public ::testing::TestWithParam<FiveCase> {};

TEST_P(FindFiveCases, FindsTheLineInItsListedOrder) {
    const FiveCase& c = GetParam();
    Board board;
    put(board, c.marks, c.code);
    ASSERT_TRUE(board.FindFive(c.code)) << c.what;
    EXPECT_EQ(board.WinningLine(), c.expected) << c.what;
    EXPECT_FALSE(board.FindFive(c.code == 0 ? 2 : 0)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FindFiveCases,
    ::testing::Values(
        // Column 20, rows 16 to 20: only the pass over the last five columns sees it.
        FiveCase{"last column", lineFrom({19, 15}, 0, 1), 0, {{{19, 15}, {19, 16}, {19, 17}, {19, 18}, {19, 19}}}},
        // Row 20: only the pass over the last five rows sees it.
        FiveCase{"last row", lineFrom({15, 19}, 1, 0), 2, {{{15, 19}, {16, 19}, {17, 19}, {18, 19}, {19, 19}}}},
        // An anti-diagonal ending in the bottom-left corner, listed from its upper-right end.
        FiveCase{"anti-diagonal to the corner", lineFrom({4, 15}, -1, 1), 0,
                 {{{4, 15}, {3, 16}, {2, 17}, {1, 18}, {0, 19}}}},
        FiveCase{"diagonal", lineFrom({2, 3}, 1, 1), 2, {{{2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}}}},
        // Six in a row: the line starting at the first mark is found first.
        FiveCase{"six in a row", lineFrom({7, 9}, 1, 0, 6), 0, {{{7, 9}, {8, 9}, {9, 9}, {10, 9}, {11, 9}}}},
        // Two lines on the board: the scan goes column by column, so the vertical in column 2 wins.
        FiveCase{"a line in an earlier column comes first",
                 [] {
                     auto m = lineFrom({5, 12}, 1, 0);
                     auto v = lineFrom({1, 2}, 0, 1);
                     m.insert(m.end(), v.begin(), v.end());
                     return m;
                 }(),
                 2, {{{1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}}}}));

TEST(Board, EveryLineOfFiveOnTheBoardIsFound) {
    const int directions[4][2] = {{1, 0}, {0, 1}, {1, 1}, {-1, 1}};
    int lines = 0;
    for (const auto& d : directions) {
        for (int c = 0; c < 20; ++c) {
            for (int r = 0; r < 20; ++r) {
                const int endC = c + 4 * d[0], endR = r + 4 * d[1];
                if (!Board::onBoard(endC, endR)) continue;
                Board board;
                const auto line = lineFrom({c, r}, d[0], d[1]);
                put(board, line, boardgame::kNought);
                ASSERT_TRUE(board.FindFive(boardgame::kNought)) << c << "," << r << " dir " << d[0] << d[1];
                for (const Square& s : board.WinningLine())
                    EXPECT_NE(std::find(line.begin(), line.end(), s), line.end());
                ++lines;
            }
        }
    }
    EXPECT_EQ(lines, 2 * 20 * 16 + 2 * 16 * 16);
}

TEST(Board, BrokenOrMixedLinesAreNoFive) {
    Board board;
    put(board, lineFrom({0, 0}, 1, 0, 4), boardgame::kCross);  // four only
    board.set(4, 0, boardgame::kNought);                        // the fifth is the other side's
    put(board, {{10, 10}, {11, 11}, {12, 12}, {14, 14}, {15, 15}}, boardgame::kCross);  // a gap
    EXPECT_FALSE(board.FindFive(boardgame::kCross));
    EXPECT_FALSE(board.FindFive(boardgame::kNought));
    EXPECT_FALSE(board.FindFive(boardgame::kEmpty + 10));
}

TEST(Board, ComputerMarkIsShownThroughTheObserver) {
    Board board;
    std::vector<Square> shown;
    board.onComputerMark = [&](int c, int r) { shown.push_back({c, r}); };
    board.placeComputerMark(6, 7);
    EXPECT_EQ(board.at(6, 7), boardgame::kNought);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (Square{6, 7}));
    EXPECT_EQ(board.lastComputerMark(), (Square{6, 7}));
    board.ResetBoard();
    EXPECT_FALSE(board.lastComputerMark().has_value());
}
