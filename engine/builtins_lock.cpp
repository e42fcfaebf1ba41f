// The lock game's password operations.
#include "engine.h"
#include "operations.h"

namespace zolt::op {

// The first `ask` of an attempt delivers the entered number; reaching one again ends the attempt
// and waits for the next number.
void ask(Engine& e) {
    if (!e.askUsed) {
        if (e.current->operandB != e.zeroCell()) *e.current->operandB = e.enteredValue;
    } else {
        if (e.hooks.askAgain) e.hooks.askAgain();
        e.stopRun(0);
    }
    e.askUsed = true;
}

void open(Engine& e) {
    if (e.hooks.open) e.hooks.open();
}

}  // namespace zolt::op
