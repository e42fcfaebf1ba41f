#include "position.h"

#include <vector>

namespace boardgame {

namespace {
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

int codeOf(char c) {
    switch (c) {
        case '.': return kEmpty;
        case 'X': case 'x': return kCross;
        case 'O': case 'o': return kNought;
        default: return -1;
    }
}
}  // namespace

PositionReading readPosition(std::string_view text, Board& board) {
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.size() != kBoardSize)
        return {false, "a position has " + std::to_string(kBoardSize) + " lines, this one has " +
                           std::to_string(lines.size())};
    Board read;
    for (int row = 0; row < kBoardSize; ++row) {
        const std::string_view line = lines[row];
        const std::string where = "line " + std::to_string(row + 1);
        if (line.size() != kBoardSize)
            return {false, where + " has " + std::to_string(line.size()) + " characters instead of " +
                               std::to_string(kBoardSize)};
        for (int column = 0; column < kBoardSize; ++column) {
            const int code = codeOf(line[column]);
            if (code < 0)
                return {false, where + ", column " + std::to_string(column + 1) +
                                   ": expected '.', 'X' or 'O'"};
            read.set(column, row, code);
        }
    }
    for (int column = 0; column < kBoardSize; ++column)
        for (int row = 0; row < kBoardSize; ++row) board.set(column, row, read.at(column, row));
    return {true, {}};
}

std::string writePosition(const Board& board) {
    std::string text;
    text.reserve(kBoardSize * (kBoardSize + 1));
    for (int row = 0; row < kBoardSize; ++row) {
        for (int column = 0; column < kBoardSize; ++column) {
            const int code = board.at(column, row);
            text += code == kCross ? 'X' : code == kNought ? 'O' : '.';
        }
        text += '\n';
    }
    return text;
}

}  // namespace boardgame
