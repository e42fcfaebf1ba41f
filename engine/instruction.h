// The code model: value cells and the instruction record the compiler emits and the executor runs.
#pragma once

#include <array>

namespace zolt {

// Every variable, literal, constant, host value and temporary of a script is one double.
using Cell = double;

class Engine;
using Handler = void (*)(Engine&);

constexpr int kMaxArguments = 9;

// Element k (1..9) holds the k-th argument counted from the end; element 0 is unused.
using ArgumentList = std::array<Cell*, kMaxArguments + 1>;

struct Instruction {
    Handler handler = nullptr;
    Cell* operandA = nullptr;
    Cell* operandB = nullptr;
    Cell* result = nullptr;
    ArgumentList* arguments = nullptr;
    Instruction* alternative = nullptr;  // false path of a conditional
    Instruction* next = nullptr;         // what runs next; empty ends the run
    Instruction* chain = nullptr;        // emitted right after this one

    Cell& argument(int k) const { return *(*arguments)[k]; }
};

}  // namespace zolt
