// The predefined names and built-in functions of each program, as data the compiler looks names up in.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "instruction.h"

namespace zolt {

enum class VocabularyKind { Painter, Board, Lock };

struct NamedConstant {
    const char* name;
    double value;
};

// A name whose assignment has a side effect (the painter's pen and brush cells).
struct AssignedName {
    const char* name;
    Handler assign;
};

struct OneArgumentFunction {
    const char* name;
    Handler handler;
};

struct MultiArgumentFunction {
    const char* name;
    int arity;
    Handler canvasHandler;  // DrawMode 'n'
    Handler bufferHandler;  // DrawMode 'b'; the same as canvasHandler for most functions
    bool returnsValue;
};

struct Vocabulary {
    VocabularyKind kind;
    const char* title;
    std::span<const char* const> hostNames;  // cells the host writes before each run
    std::span<const AssignedName> assignedNames;
    std::span<const NamedConstant> constants;
    std::span<const OneArgumentFunction> oneArgumentFunctions;
    std::span<const MultiArgumentFunction> multiArgumentFunctions;

    const OneArgumentFunction* findOneArgument(std::string_view name) const;
    const MultiArgumentFunction* findMultiArgument(std::string_view name) const;
    const AssignedName* findAssigned(std::string_view name) const;
    bool isConstant(std::string_view name) const;
};

const Vocabulary& vocabularyOf(VocabularyKind kind);
// "painter", "board" or "lock".
std::optional<VocabularyKind> vocabularyNamed(std::string_view name);

}  // namespace zolt
