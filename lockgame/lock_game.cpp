#include "lock_game.h"

#include "password.h"

namespace lockgame {

AttemptEnd RunAttempt(zolt::Engine& engine, zolt::Instruction* entry, std::string_view passwordText,
                      const bool& opened) {
    engine.enteredValue = EnteredValueOf(passwordText);
    engine.askUsed = false;
    const zolt::LockRunEnd end = engine.RunLock(entry);
    if (end == zolt::LockRunEnd::LimitHit) engine.ClearVariables();
    if (opened) return AttemptEnd::Opened;
    switch (end) {
    case zolt::LockRunEnd::LimitHit:
        return AttemptEnd::LimitHit;
    case zolt::LockRunEnd::Stopped:
        return engine.runError() != 0 ? AttemptEnd::RunError : AttemptEnd::AskedAgain;
    case zolt::LockRunEnd::Finished:
        break;
    }
    return AttemptEnd::Ended;
}

LockGame::LockGame(zolt::Engine& engine) : engine_(engine) {
    engine_.hooks.askAgain = [this] {
        if (view.clearPassword) view.clearPassword();
    };
    engine_.hooks.open = [this] {
        opened_ = true;
        AdvanceStage();
    };
}

int LockGame::Generate(int clockDraws) {
    skipClockDraws(engine_.random, clockDraws);
    StageList stages;
    const int code = GenerateStages(engine_, stages);
    Start(std::move(stages));
    return code;
}

void LockGame::Start(StageList stages) {
    stages_ = std::move(stages);
    current_ = 1;
    passed_ = 0;
    finished_ = false;
    if (view.showStage) view.showStage();
}

AttemptEnd LockGame::Enter(std::string_view passwordText) {
    zolt::Instruction* entry = stages_.entry(current_);
    if (entry == nullptr || finished_) return AttemptEnd::Ended;
    opened_ = false;
    const AttemptEnd end = RunAttempt(engine_, entry, passwordText, opened_);
    if (end == AttemptEnd::LimitHit) ClearAttempt();
    return end;
}

void LockGame::ClearAttempt() {
    engine_.ClearVariables();
    if (view.clearPassword) view.clearPassword();
}

void LockGame::AdvanceStage() {
    if (current_ >= kStageCount || current_ >= stages_.count()) {
        finished_ = true;
        if (view.congratulate) view.congratulate();
        return;
    }
    passed_ = current_;
    ++current_;
    if (view.showStage) view.showStage();
    ClearAttempt();
}

}  // namespace lockgame
