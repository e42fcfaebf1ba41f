// The 20 x 20 board of quinto: square codes, the user's cross, the five-in-a-row check, and the
// host interface through which the computer-player program reads squares and moves.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "hosts.h"

namespace boardgame {

constexpr int kBoardSize = 20;

// Square codes as the board stores them; a program sees the code minus 1.
enum SquareCode { kCross = 0, kEmpty = 1, kNought = 2 };

// A square by 0-based column (left to right) and row (top to bottom).
struct Square {
    int column = 0;
    int row = 0;
    friend bool operator==(const Square&, const Square&) = default;
};

using FiveSquares = std::array<Square, 5>;

class Board : public zolt::BoardHost {
public:
    Board() { ResetBoard(); }

    // Every square empty; the winning line and the last computer mark are forgotten.
    void ResetBoard();
    // The user's cross on an empty square; false (and no change) when the square is taken.
    bool PlaceCross(int column, int row);
    // True when the side with this code has five in a row; the line found becomes WinningLine.
    bool FindFive(int code);
    const FiveSquares& WinningLine() const { return winningLine_; }

    int at(int column, int row) const { return cells_[column][row]; }
    void set(int column, int row, int code) { cells_[column][row] = static_cast<unsigned char>(code); }
    static bool onBoard(int column, int row) {
        return column >= 0 && row >= 0 && column < kBoardSize && row < kBoardSize;
    }
    int count(int code) const;

    // The square of the last nought placed by a program since the last reset, if any.
    std::optional<Square> lastComputerMark() const { return lastComputerMark_; }
    // Called after a program placed a nought, so the window can show it.
    std::function<void(int column, int row)> onComputerMark;

    // zolt::BoardHost
    int boardCell(int i, int j) const override;
    void placeComputerMark(int i, int j) override;

private:
    bool lineHolds(const FiveSquares& line, int code);

    std::array<std::array<unsigned char, kBoardSize>, kBoardSize> cells_{};  // [column][row]
    FiveSquares winningLine_{};
    std::optional<Square> lastComputerMark_;
};

}  // namespace boardgame
