// The engine object: the VariableTable and the arenas every compiled program lives in.
#include "engine.h"
#include "operations.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

namespace zolt {

Engine::Engine(VocabularyKind kind) : vocabulary_(&vocabularyOf(kind)) {
    // Never run in a program that compiled, but a harmless end if a link ever leads there.
    terminator_.handler = op::nothing;
    // The bottom entry: the empty name always finds the ZeroCell.
    variableIndex_.emplace(std::string(), &zero_);
    registerPredefinedNames();
}

// The arenas release every cell, argument list and instruction exactly once.
Engine::~Engine() = default;

void Engine::registerPredefinedNames() {
    for (const char* name : vocabulary_->hostNames) cell(name);
    for (const auto& assigned : vocabulary_->assignedNames) cell(assigned.name);
    for (const auto& constant : vocabulary_->constants) cell(constant.name) = constant.value;
}

Cell* Engine::findCell(std::string_view name) {
    const auto it = variableIndex_.find(std::string(name));
    return it == variableIndex_.end() ? nullptr : it->second;
}

Cell& Engine::cell(std::string_view name) {
    if (Cell* found = findCell(name)) return *found;
    Cell* created = &cells_.emplace_back(0.0);
    variableOrder_.emplace_back(std::string(name), created);
    variableIndex_.emplace(std::string(name), created);
    return *created;
}

Cell* Engine::newCell(double value) { return &cells_.emplace_back(value); }

void Engine::ClearVariables(std::initializer_list<std::string_view> keep) {
    for (auto& [name, cell] : variableOrder_) {
        if (std::find(keep.begin(), keep.end(), name) == keep.end() && !vocabulary_->isConstant(name)) *cell = 0;
    }
}

std::vector<std::pair<std::string, Cell*>> Engine::variables() const { return variableOrder_; }

ErrorDetails Engine::errorDetails() const {
    ErrorDetails details;
    details.name = errorName_;
    details.label = pendingLabel_;
    details.tooFew = expectedCount_ > argumentCount_;
    return details;
}

// Reached only from message processing, never from a handler, so the current instruction stays.
void Engine::RequestStop() {
    running_ = false;
    runError_ = 200;
}

std::vector<const Instruction*> Engine::chainFrom(const Instruction* entry) const {
    std::vector<const Instruction*> chain;
    for (const Instruction* i = entry; i && i != &terminator_; i = i->chain) chain.push_back(i);
    return chain;
}

std::string Engine::cellName(const Cell* cell) const {
    if (cell == &zero_) return "zero";
    if (const auto it = literalValues_.find(cell); it != literalValues_.end()) {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.17g", it->second);
        return buffer;
    }
    for (const auto& [name, c] : variableOrder_) {
        if (c != cell) continue;
        if (!name.empty() && name[0] == '+') return "+" + std::to_string(static_cast<int>(name[1])) + "!";
        return name;
    }
    return "?";
}

}  // namespace zolt
