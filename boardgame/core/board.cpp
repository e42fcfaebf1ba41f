#include "board.h"

namespace boardgame {

void Board::ResetBoard() {
    for (auto& column : cells_) column.fill(kEmpty);
    winningLine_ = {};
    lastComputerMark_.reset();
}

bool Board::PlaceCross(int column, int row) {
    if (!onBoard(column, row) || at(column, row) != kEmpty) return false;
    set(column, row, kCross);
    return true;
}

int Board::count(int code) const {
    int n = 0;
    for (const auto& column : cells_)
        for (unsigned char cell : column) n += cell == code;
    return n;
}

bool Board::lineHolds(const FiveSquares& line, int code) {
    for (const Square& s : line)
        if (at(s.column, s.row) != code) return false;
    winningLine_ = line;
    return true;
}

// Three passes: the first covers every line that starts in the upper-left 16 x 16 block (the
// anti-diagonal is listed from its upper-right end); the other two cover the vertical lines of the
// last five columns and the horizontal lines of the last five rows. Lines are listed in a fixed
// order because the first one found is the one that blinks.
bool Board::FindFive(int code) {
    const int last = kBoardSize - 5;  // 15: the last start of a line of five
    for (int c = 0; c <= last; ++c) {
        for (int r = 0; r <= last; ++r) {
            if (at(c, r) == code) {
                if (lineHolds({{{c, r}, {c + 1, r}, {c + 2, r}, {c + 3, r}, {c + 4, r}}}, code)) return true;
                if (lineHolds({{{c, r}, {c, r + 1}, {c, r + 2}, {c, r + 3}, {c, r + 4}}}, code)) return true;
                if (lineHolds({{{c, r}, {c + 1, r + 1}, {c + 2, r + 2}, {c + 3, r + 3}, {c + 4, r + 4}}}, code))
                    return true;
            }
            if (lineHolds({{{c + 4, r}, {c + 3, r + 1}, {c + 2, r + 2}, {c + 1, r + 3}, {c, r + 4}}}, code))
                return true;
        }
    }
    for (int c = last; c < kBoardSize; ++c)
        for (int r = 0; r <= last; ++r)
            if (lineHolds({{{c, r}, {c, r + 1}, {c, r + 2}, {c, r + 3}, {c, r + 4}}}, code)) return true;
    for (int c = 0; c <= last; ++c)
        for (int r = last; r < kBoardSize; ++r)
            if (lineHolds({{{c, r}, {c + 1, r}, {c + 2, r}, {c + 3, r}, {c + 4, r}}}, code)) return true;
    return false;
}

int Board::boardCell(int i, int j) const { return onBoard(i, j) ? at(i, j) : kEmpty; }

void Board::placeComputerMark(int i, int j) {
    if (!onBoard(i, j)) return;
    set(i, j, kNought);
    lastComputerMark_ = Square{i, j};
    if (onComputerMark) onComputerMark(i, j);
}

}  // namespace boardgame
