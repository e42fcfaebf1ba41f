#include "computerturn.h"

namespace boardgame {

namespace {
// A program that assigns x or y can move the scan back and keep it going for ever with runs far
// shorter than the executor's own yielding interval. Past this many runs in one turn the window
// gets to process its messages and the run's Stop button is shown, so such a turn can be stopped.
constexpr long kRunsBetweenYields = 4000;
}  // namespace

int ComputerTurn(zolt::Engine& engine, zolt::Instruction* program) {
    engine.ClearVariables({"x", "y", "tit", "tat", "empty"});
    zolt::Cell& x = engine.cell("x");
    zolt::Cell& y = engine.cell("y");

    bool running = true;
    long runs = 0;
    bool stopShown = false;
    // The bounds are tested on the values x and y hold after each run: a program may move the scan.
    for (y = 1; y <= 20 && running; y += 1) {
        for (x = 1; x <= 20 && running; x += 1) {
            engine.RunProgram(program);
            running = engine.running();
            if (running && ++runs % kRunsBetweenYields == 0) {
                if (engine.hooks.showRunStop) engine.hooks.showRunStop(true);
                stopShown = true;
                if (engine.hooks.processMessages) engine.hooks.processMessages();
                running = engine.running();
                // The Stop button was pressed between two runs: report it as a stopped run would.
                if (!running && engine.hooks.showError) engine.hooks.showError(engine.runError());
            }
        }
    }
    if (stopShown && engine.hooks.showRunStop) engine.hooks.showRunStop(false);
    return running ? 0 : engine.runError();
}

}  // namespace boardgame
