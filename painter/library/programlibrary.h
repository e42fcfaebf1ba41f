// The program library in memory: records with six texts each, all lying in one growing LibraryText.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

#include <syntaxes.h>

namespace zolt {
struct Instruction;
}

namespace library {

// Where the library lives and which records its text holds. The painter keeps tools ("#") and
// effects ("@") with a DrawMode between the opening brackets; the board game keeps only "@"
// records and writes "[[".
struct LibraryFormat {
    bool toolRecords;     // '#' starts a tool record
    bool drawModeInBlock; // "[n[" / "[b[" rather than "[["
    const char* folder;   // relative to the working folder
    const char* fileName;
};

inline constexpr LibraryFormat kPainterFormat{true, true, "System Pictor", "Lumo.lmo"};
inline constexpr LibraryFormat kBoardFormat{false, false, "System_Quinto", "Lumo.lmo"};

// Start and length of one text in LibraryText; CR LF counts two characters.
struct TextSpan {
    std::size_t start = 0;
    std::size_t length = 0;
    bool operator==(const TextSpan&) const = default;
};

// Span indexes: 0 is the internal notation, 1 + k the surface text of syntax index k (0..4).
inline constexpr int kInternalSpan = 0;
using zolt::syntax::kSyntaxCount;
inline constexpr int kSpanCount = 1 + kSyntaxCount;

struct ProgramRecord {
    std::string name;         // tool: bitmap file name ("F1.bmp"); effect / board: the caption
    char standardFlag = '0';  // '1': came with the default library
    char aliveFlag = '1';     // '0': deleted
    std::string hint;         // tool: the hint; effect: the field whose first character is GroupChar
    char kindChar = '1';
    zolt::Instruction* code = nullptr;  // EntryInstruction of the compiled program
    std::array<TextSpan, kSpanCount> spans{};
    char drawMode = 'n';      // 'b': point and colour work on the pixel buffer

    bool alive() const { return aliveFlag == '1'; }
    bool standard() const { return standardFlag == '1'; }
    char groupChar() const { return hint.empty() ? '\0' : hint.front(); }
    // Written back to the file: standard records always, the user's only while alive.
    bool kept() const { return standard() || alive(); }
};

// Records keep their addresses when more are appended (std::deque), so a window may hold a
// pointer to the current record.
struct ProgramLibrary {
    std::deque<ProgramRecord> tools;
    std::deque<ProgramRecord> effects;  // the board game's one list
    std::string text;                   // LibraryText: only ever grows while the program runs

    // The text of one span of a record; empty when the span lies outside LibraryText.
    std::string_view spanText(const ProgramRecord& record, int span) const;
    std::string_view internalText(const ProgramRecord& record) const { return spanText(record, kInternalSpan); }
    // The stored text of syntax index 0..4 ("Zolt Russian" ... "C++").
    std::string_view surfaceText(const ProgramRecord& record, int syntaxIndex) const;

    std::size_t recordCount() const { return tools.size() + effects.size(); }
    void clear();
};

}  // namespace library
