// The executor: calls each instruction's handler and follows NextLink until the chain ends or a
// handler (or the Stop button) clears Running.
#include "engine.h"

namespace zolt {

void Engine::RunProgram(Instruction* start) {
    long steps = 0;
    long interval = 100000;
    running_ = true;
    current = start;
    // A handler that stops the run leaves `current` on an instruction without NextLink, so the
    // loop tests only `current`; the Stop button is seen where messages are processed.
    while (current) {
        current->handler(*this);
        current = current->next;
        if (++steps == interval) {
            // Only long runs let the window breathe; short ones stay one tight loop.
            if (hooks.processMessages) hooks.processMessages();
            if (!running_) break;
            steps = 0;
            if (interval == 100000) {
                interval = 100;
                if (hooks.showRunStop) hooks.showRunStop(true);
            }
        }
    }
    if (interval != 100000 && hooks.showRunStop) hooks.showRunStop(false);
    if (!running_ && runError_ != 222 && hooks.showError) hooks.showError(runError_);
}

LockRunEnd Engine::RunLock(Instruction* start) {
    long count = 0;
    running_ = true;
    current = start;
    while (current && running_) {
        current->handler(*this);
        current = current->next;
        if (++count == kLockInstructionLimit) {
            running_ = false;
            return LockRunEnd::LimitHit;
        }
    }
    return running_ ? LockRunEnd::Finished : LockRunEnd::Stopped;
}

LockRunEnd Engine::RunBounded(Instruction* start, long long limit) {
    long long count = 0;
    running_ = true;
    current = start;
    while (current && running_) {
        if (count == limit) {
            stopRun(200);
            return LockRunEnd::LimitHit;
        }
        current->handler(*this);
        current = current->next;
        ++count;
    }
    return running_ ? LockRunEnd::Finished : LockRunEnd::Stopped;
}

}  // namespace zolt
