#include "stage_list.h"

#include "lock_templates.h"
#include "lock_translator.h"
#include "ranges.h"

namespace lockgame {

std::string_view StageList::text(int s) const {
    if (s < 1 || s > count()) return {};
    const Stage& stage = stages_[s - 1];
    return std::string_view(texts_).substr(stage.start, stage.length);
}

zolt::Instruction* StageList::entry(int s) const {
    return s >= 1 && s <= count() ? stages_[s - 1].entry : nullptr;
}

int StageList::templateOf(int s) const {
    return s >= 1 && s <= count() ? stages_[s - 1].templateNumber : -1;
}

void StageList::append(std::string_view text, zolt::Instruction* entry, int templateNumber) {
    stages_.push_back({texts_.size(), text.size(), entry, templateNumber});
    texts_ += text;
}

int clockDrawCount(int minute, int second, int hundredth) { return minute + second + hundredth; }

void skipClockDraws(zolt::Random& random, int clockDraws) {
    for (int i = 0; i <= clockDraws; ++i) random.below(1000);
}

int GenerateStages(zolt::Engine& engine, StageList& stages) {
    stages = StageList();
    for (int s = 1; s <= kStageCount; ++s) {
        int code = 0;
        int tries = 0;
        do {
            const int t = engine.random.below(15);
            const int number = s == 1 ? 0 : 1 + t;
            const std::string resolved = ResolveRanges(lockTemplate(number), engine.random);
            code = TranslateLock(engine, resolved);
            if (code == 0) stages.append(resolved, engine.entryInstruction(), number);
        } while (code != 0 && ++tries < kTranslationAttempts);
        if (code != 0) return code;
    }
    return 0;
}

}  // namespace lockgame
