// A game without its window: the password's number, the clock's draws, the hundred stages, and
// what "CLEAR", the instruction limit and `open` do to the game.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "lock_game.h"
#include "lock_translator.h"
#include "password.h"

namespace {

using lockgame::AttemptEnd;
using lockgame::LockGame;

TEST(EnteredValue, KeepsDigitsAndOnlyALeadingMinus) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},       {"-12", -12},  {"1-2", 12},  {"abc", 0},     {"-", 0},
        {"--5", -5},   {"5-", 5},     {"1a2b3", 123}, {" 7 ", 7},   {"x-4", -4},
        {"999999999999999", 999999999999999.0},
    };
    for (const Case& c : cases) EXPECT_EQ(lockgame::EnteredValueOf(c.text), c.value) << c.text;
    // A lone minus, or a minus before zeros only, is plain 0 and not a negative zero.
    for (const char* zero : {"-", "-0", "--00"})
        EXPECT_FALSE(std::signbit(lockgame::EnteredValueOf(zero))) << zero;
}

TEST(ClockDraws, AddMinutesSecondsAndHundredthsAndDrawOnceMore) {
    EXPECT_EQ(lockgame::clockDrawCount(59, 59, 99), 217);
    EXPECT_EQ(lockgame::clockDrawCount(0, 0, 0), 0);
    zolt::Random skipped, manual;
    lockgame::skipClockDraws(skipped, 3);
    for (int i = 0; i < 4; ++i) manual.below(1000);
    EXPECT_EQ(skipped.next(), manual.next());
}

struct Game {
    zolt::Engine engine{zolt::VocabularyKind::Lock};
    LockGame game{engine};
    int cleared = 0, shown = 0, congratulated = 0;

    Game() {
        game.view.clearPassword = [this] { ++cleared; };
        game.view.showStage = [this] { ++shown; };
        game.view.congratulate = [this] { ++congratulated; };
    }
    std::vector<int> templates() const {
        std::vector<int> numbers;
        for (int s = 1; s <= game.stages().count(); ++s) numbers.push_back(game.stages().templateOf(s));
        return numbers;
    }
};

TEST(GenerateStages, BuildsAHundredStagesFromTheClockAlone) {
    Game a, b, c;
    ASSERT_EQ(a.game.Generate(10 + 20 + 30), 0);
    ASSERT_EQ(b.game.Generate(30 + 20 + 10), 0);  // another time with the same sum
    ASSERT_EQ(c.game.Generate(61), 0);
    ASSERT_EQ(a.game.stages().count(), 100);
    EXPECT_EQ(a.templates(), b.templates());
    EXPECT_EQ(a.game.stages().text(57), b.game.stages().text(57));
    EXPECT_NE(a.templates(), c.templates());

    EXPECT_EQ(a.game.stages().templateOf(1), 0);
    std::set<int> pool;
    for (int s = 2; s <= 100; ++s) {
        const int t = a.game.stages().templateOf(s);
        EXPECT_GE(t, 1);
        EXPECT_LE(t, 15);
        pool.insert(t);
        EXPECT_NE(a.game.stages().entry(s), nullptr);
        EXPECT_EQ(a.game.stages().text(s).find('['), std::string_view::npos);
    }
    EXPECT_GE(pool.size(), 12u) << "the pool is hardly drawn from";
    EXPECT_EQ(a.game.currentStage(), 1);
    EXPECT_EQ(a.game.stagesPassed(), 0);
    EXPECT_TRUE(a.game.currentText().starts_with("Begin:"));
}

TEST(GenerateStages, EveryStageTextIsTheLockItRuns) {
    Game a;
    ASSERT_EQ(a.game.Generate(5), 0);
    for (int s = 1; s <= 100; ++s) {
        zolt::Engine fresh(zolt::VocabularyKind::Lock);
        EXPECT_EQ(lockgame::TranslateLock(fresh, a.game.stages().text(s)), 0) << s;
    }
}

TEST(LockGame, OpeningAdvancesTheCounterAndClearsTheAttempt) {
    Game g;
    ASSERT_EQ(g.game.Generate(0), 0);
    const int shownAtStart = g.shown;
    g.engine.cell("x") = 3;
    EXPECT_EQ(g.game.Enter("1"), AttemptEnd::AskedAgain);
    EXPECT_EQ(g.cleared, 1);
    EXPECT_EQ(g.engine.cell("x"), 3);  // a wrong password keeps the variables
    EXPECT_EQ(g.game.Enter("4817"), AttemptEnd::Opened);
    EXPECT_EQ(g.game.stagesPassed(), 1);
    EXPECT_EQ(g.game.currentStage(), 2);
    EXPECT_EQ(g.shown, shownAtStart + 1);
    EXPECT_EQ(g.cleared, 2);
    EXPECT_EQ(g.engine.cell("x"), 0);
}

TEST(LockGame, ClearAndTheLimitForgetEveryVariable) {
    Game g;
    ASSERT_TRUE(lockgame::TranslateLock(g.engine, "1: Ask (P);\r\n2: X = X + P;\r\n3: Go to 2;") == 0);
    lockgame::StageList stages;
    stages.append("loop", g.engine.entryInstruction(), 0);
    g.game.Start(std::move(stages));
    g.engine.cell("y") = 8;
    g.game.ClearAttempt();
    EXPECT_EQ(g.engine.cell("y"), 0);
    EXPECT_EQ(g.cleared, 1);
    EXPECT_EQ(g.game.Enter("2"), AttemptEnd::LimitHit);
    EXPECT_EQ(g.engine.cell("x"), 0);
    EXPECT_EQ(g.engine.cell("p"), 0);
    EXPECT_EQ(g.cleared, 2);
}

TEST(LockGame, TheHundredthOpeningCongratulatesAndKeepsTheCounterAt99) {
    Game g;
    ASSERT_EQ(g.game.Generate(0), 0);
    for (int s = 1; s < 100; ++s) g.game.AdvanceStage();
    EXPECT_EQ(g.game.currentStage(), 100);
    EXPECT_EQ(g.game.stagesPassed(), 99);
    EXPECT_EQ(g.congratulated, 0);
    g.game.AdvanceStage();
    EXPECT_EQ(g.congratulated, 1);
    EXPECT_TRUE(g.game.finished());
    EXPECT_EQ(g.game.stagesPassed(), 99);
    EXPECT_EQ(g.game.Enter("1"), AttemptEnd::Ended);  // nothing runs after the end
}

}  // namespace
