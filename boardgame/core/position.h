// A board position as text: 20 lines of 20 characters, '.' empty, 'X' the user's cross, 'O' the
// computer's nought, the top row first. Used by the command-line tool, tests and benchmarks.
#pragma once

#include <string>
#include <string_view>

#include "board.h"

namespace boardgame {

struct PositionReading {
    bool ok = false;
    std::string problem;  // why the text is not a position, when !ok
};

// Fills the board from the text. Line breaks may be LF or CR LF, lower-case 'x' and 'o' are
// accepted, and empty lines after the twentieth are ignored. On failure the board is unchanged.
PositionReading readPosition(std::string_view text, Board& board);

// The board as 20 lines of 20 characters, each ended by LF.
std::string writePosition(const Board& board);

}  // namespace boardgame
