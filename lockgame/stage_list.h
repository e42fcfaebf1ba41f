// The hundred stages of a game: the resolved lock texts the player sees and their compiled entries.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine.h"

namespace lockgame {

constexpr int kStageCount = 100;

class StageList {
public:
    int count() const { return static_cast<int>(stages_.size()); }
    // Stage s counts from 1.
    std::string_view text(int s) const;
    zolt::Instruction* entry(int s) const;
    int templateOf(int s) const;

    void append(std::string_view text, zolt::Instruction* entry, int templateNumber);

private:
    struct Stage {
        size_t start = 0;
        size_t length = 0;
        zolt::Instruction* entry = nullptr;
        int templateNumber = 0;
    };
    std::string texts_;  // all stage texts one after another
    std::vector<Stage> stages_;
};

// The number of throw-away draws the clock asks for: its minutes, seconds and hundredths.
int clockDrawCount(int minute, int second, int hundredth);

// Draws random(1000) clockDraws + 1 times and throws the results away.
void skipClockDraws(zolt::Random& random, int clockDraws);

// Gives up on a stage number after this many templates in a row failed to translate.
constexpr int kTranslationAttempts = 1000;

// Fills `stages` with kStageCount stages compiled into `engine`: template 0 for stage 1, a template
// drawn from the pool for each other stage, drawing again while a template fails to translate.
// Returns 0, or the last translation code when a stage could not be built at all.
int GenerateStages(zolt::Engine& engine, StageList& stages);

}  // namespace lockgame
