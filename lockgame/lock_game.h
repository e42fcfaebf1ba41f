// One game of locks without its window: the stages, the current lock, and what "Enter", "CLEAR"
// and the lock's own `ask` and `open` do to them.
#pragma once

#include <functional>
#include <string_view>

#include "engine.h"
#include "stage_list.h"

namespace lockgame {

// How one attempt ended.
enum class AttemptEnd {
    Opened,      // `open` ran
    AskedAgain,  // the lock reached `ask` a second time and waits for a new number
    LimitHit,    // 1,000 instructions ran; the attempt was cleared
    RunError,    // a run-time error ended it silently
    Ended,       // the chain ran out without opening
};

// Runs one attempt of the lock at `entry` with the number a password text stands for, as "Enter"
// does: EnteredValue from the text, AskUsed 0, then at most 1,000 instructions. `opened` is
// whatever the caller's `open` hook reports; after the instruction limit every variable is 0.
AttemptEnd RunAttempt(zolt::Engine& engine, zolt::Instruction* entry, std::string_view passwordText,
                      const bool& opened);

// What the game asks of its window.
struct GameView {
    std::function<void()> clearPassword;     // empty the password field and give it the focus
    std::function<void()> showStage;         // the current stage's text and the passed count changed
    std::function<void()> congratulate;      // the hundredth lock opened
};

class LockGame {
public:
    // Installs the `ask` and `open` hooks on the engine, whose vocabulary must be the lock's.
    explicit LockGame(zolt::Engine& engine);
    LockGame(const LockGame&) = delete;
    LockGame& operator=(const LockGame&) = delete;

    // Builds the hundred stages after the clock's throw-away draws and starts at stage 1.
    int Generate(int clockDraws);
    // Starts at stage 1 of stages built elsewhere (tests).
    void Start(StageList stages);

    // "Enter" with the text of the password field.
    AttemptEnd Enter(std::string_view passwordText);
    // "CLEAR", and every new stage: empty field, every variable 0.
    void ClearAttempt();
    // What `open` does: the next stage, or the congratulation after the last one.
    void AdvanceStage();

    int currentStage() const { return current_; }
    int stagesPassed() const { return passed_; }  // what LabN shows
    bool finished() const { return finished_; }
    std::string_view currentText() const { return stages_.text(current_); }
    const StageList& stages() const { return stages_; }
    zolt::Engine& engine() { return engine_; }

    GameView view;

private:
    zolt::Engine& engine_;
    StageList stages_;
    int current_ = 1;
    int passed_ = 0;
    bool finished_ = false;
    bool opened_ = false;
};

}  // namespace lockgame
