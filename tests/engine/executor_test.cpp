// Running: run-time errors, the Stop button, message processing, the lock and bounded runs.
#include <cmath>
#include <set>

#include "engine_test_support.h"

namespace zolt {
namespace {

struct RunErrorCase {
    const char* program;
    int code;
};

class RunErrors : public ::testing::TestWithParam<RunErrorCase> {};

TEST_P(RunErrors, StopAtTheFailingInstructionAndShowOnce) {
    Engine engine(VocabularyKind::Painter);
    std::vector<int> shown;
    engine.hooks.showError = [&](int code) { shown.push_back(code); };
    ASSERT_EQ(engine.CompileProgram(std::string("before=1;r=7;") + GetParam().program + "after=1;"), 0);
    engine.RunProgram(engine.entryInstruction());
    EXPECT_FALSE(engine.running());
    EXPECT_EQ(engine.runError(), GetParam().code);
    EXPECT_EQ(shown, std::vector<int>{GetParam().code});
    EXPECT_EQ(engine.cell("before"), 1);
    EXPECT_EQ(engine.cell("after"), 0);
    EXPECT_EQ(engine.cell("r"), 7) << "the result cell keeps its value";
}

INSTANTIATE_TEST_SUITE_P(Table, RunErrors,
                         ::testing::Values(RunErrorCase{"r=1/0;", 110}, RunErrorCase{"r=sqroot(-1);", 120},
                                           RunErrorCase{"r=ln(-1);", 130},
                                           RunErrorCase{"r=arcsin(1.0000001);", 150},
                                           RunErrorCase{"r=arccos(-2);", 160},
                                           RunErrorCase{"r=remainder(5,0);", 110}));

TEST(Executor, ShortRunsNeverProcessMessages) {
    Engine engine(VocabularyKind::Painter);
    int processed = 0;
    ASSERT_EQ(engine.CompileProgram("k=0;l:k=k+1;ifdo(k<19000)gotodopol(l);d_a_l:pusto();"), 0);
    engine.hooks.processMessages = [&] { ++processed; };
    engine.RunProgram(engine.entryInstruction());
    EXPECT_EQ(processed, 0);
}

TEST(Executor, StopButtonEndsAnEndlessLoopAndKeepsItsValues) {
    Engine engine(VocabularyKind::Painter);
    int processed = 0;
    std::vector<bool> stopShown;
    std::vector<int> shown;
    engine.hooks.showRunStop = [&](bool visible) { stopShown.push_back(visible); };
    engine.hooks.showError = [&](int code) { shown.push_back(code); };
    ASSERT_EQ(engine.CompileProgram("k=0;l:k=k+1;gotodopol(l);"), 0);
    engine.hooks.processMessages = [&] {
        if (++processed == 3) engine.RequestStop();
    };
    engine.RunProgram(engine.entryInstruction());
    // Messages after 100,000 instructions, then every 100: stopped at the third call.
    EXPECT_EQ(processed, 3);
    // Three instructions a round; 100,200 instructions ran before the stop took effect.
    EXPECT_EQ(engine.cell("k"), 100200 / 3);
    EXPECT_EQ(shown, std::vector<int>{200});
    EXPECT_EQ(stopShown, (std::vector<bool>{true, false}));
}

TEST(Executor, ARunRepeatsOnlyIfTheProgramInitialisesItsVariables) {
    Engine engine(VocabularyKind::Painter);
    ASSERT_EQ(engine.CompileProgram("n=n+1;m=0;m=m+1;"), 0);
    engine.RunProgram(engine.entryInstruction());
    engine.RunProgram(engine.entryInstruction());
    EXPECT_EQ(engine.cell("n"), 2);
    EXPECT_EQ(engine.cell("m"), 1);
}

TEST(Executor, PrintFormatsWithSixDecimals) {
    Engine engine(VocabularyKind::Painter);
    std::vector<std::string> printed;
    engine.hooks.print = [&](const std::string& text) { printed.push_back(text); };
    testing::compileAndRun(engine, "?1/3;?-2;");
    EXPECT_EQ(printed, (std::vector<std::string>{"0.333333", "-2.000000"}));
}

TEST(Executor, BoundedRunStopsWhenTheBudgetIsSpent) {
    Engine engine(VocabularyKind::Painter);
    ASSERT_EQ(engine.CompileProgram("l:k=k+1;gotodopol(l);"), 0);
    EXPECT_EQ(engine.RunBounded(engine.entryInstruction(), 31), LockRunEnd::LimitHit);
    EXPECT_EQ(engine.runError(), 200);
    EXPECT_EQ(engine.cell("k"), 10);  // add, assign, jump per round; 31 = 10 rounds and one add
    ASSERT_EQ(engine.CompileProgram("a=1;b=2;"), 0);
    EXPECT_EQ(engine.RunBounded(engine.entryInstruction(), 2), LockRunEnd::Finished);
}

TEST(Random, EveryFreshEngineRepeatsTheSequence) {
    Engine first(VocabularyKind::Painter), second(VocabularyKind::Painter);
    ASSERT_EQ(first.CompileProgram("r=rnddopoln();"), 0);
    ASSERT_EQ(second.CompileProgram("r=rnddopoln();"), 0);
    std::set<double> distinct;
    for (int k = 0; k < 100; ++k) {
        first.RunProgram(first.entryInstruction());
        second.RunProgram(second.entryInstruction());
        const double r = first.cell("r");
        EXPECT_EQ(r, second.cell("r"));
        EXPECT_GE(r, 0);
        EXPECT_LE(r, 0.9999);
        EXPECT_NEAR(r * 10000, std::round(r * 10000), 1e-6);
        distinct.insert(r);
    }
    EXPECT_GT(distinct.size(), 90u);
}

}  // namespace
}  // namespace zolt

namespace zolt {
namespace {

TEST(Compiler, ProcessesMessagesWhileReducingAndHonoursTheStopButton) {
    Engine engine(VocabularyKind::Painter);
    int processed = 0;
    engine.hooks.processMessages = [&] {
        if (++processed == 2) engine.setErrorCode(210);
    };
    EXPECT_EQ(engine.CompileProgram("a=1;b=2;c=3;"), 210);
    EXPECT_EQ(processed, 2);
}

}  // namespace
}  // namespace zolt
