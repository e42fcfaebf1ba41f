// The lock translator and one attempt at a lock: what differs from the editor's intake, the
// failure codes, and how `ask`, `open`, the instruction limit and run-time errors end an attempt.
#include <gtest/gtest.h>

#include "lock_game.h"
#include "lock_translator.h"

namespace {

using lockgame::AttemptEnd;

struct Translated {
    int code;
    std::string notation;
};

Translated translate(std::string_view lock) {
    zolt::Engine engine(zolt::VocabularyKind::Lock);
    lockgame::LockTranslation translation;
    const int code = lockgame::TranslateLock(engine, lock, &translation);
    return {code, translation.notation};
}

TEST(TranslateLock, ReadsTheLockSyntaxIntoTheNotation) {
    struct Case {
        const char* lock;
        const char* notation;
        int code = 0;
    };
    const Case cases[] = {
        // A line break only at the end.
        {"1: Ask (Password);\r\n2: Open (Lock);", "1:ask(password);\r\n2:open(lock);\r\n"},
        {"If X <> 4 or Y >= 2 and Z = 1 Then Go to Begin;\r\nBegin: Open (Lock);",
         "ifdo(x~4|y}2&z$1)gotodopol(begin);d_a_l:pusto();\r\nbegin:open(lock);\r\n"},
        // "()" after every random word, with or without its own parentheses.
        {"X = Random;", "x=rnddopoln();\r\n"},
        {"X = Random();", "x=rnddopoln()();\r\n", 80},  // translated, but no longer a call
        // Only Latin capitals are lowered; Cyrillic letters are separators for "or" and "and".
        {"X = \xC6\xE6 + Q;", "x=\xC6\xE6+q;\r\n"},
        {"X = \xE6or\xE6;", "x=\xE6|\xE6;\r\n"},
        {"X = Aor;", "x=aor;\r\n"},
        // Statement ends and parentheses stay where the lock put them.
        {"X = 1\r\n;Y = 2;", "x=1\r\n;y=2;\r\n"},
        {"X = 1;;", "x=1;;\r\n"},
        {"X = ((1));", "x=((1));\r\n"},
        {"(X = 1;)", "(x=1;)\r\n"},
        // Closing parentheses at line starts move up, label chains get their empty statements.
        {"If X < 1 Then (Y = 1;\r\n)\r\nA: B: Open (Lock);",
         "ifdo(x<1)(y=1;)d_a_l:pusto();\r\na:pusto();b:open(lock);\r\n"},
        {"Y = 2;\r\nEnd:", "y=2;\r\nend:\r\npusto();"},
    };
    for (const Case& c : cases) {
        const Translated t = translate(c.lock);
        EXPECT_EQ(t.code, c.code) << c.lock;
        EXPECT_EQ(t.notation, c.notation) << c.lock;
    }
}

TEST(TranslateLock, ReturnsTheCodeOfTheFirstFailure) {
    struct Case {
        const char* lock;
        int code;
    };
    const Case cases[] = {
        {"X = 1; # note", 10},
        {"X = [1,2];", 10},
        {"X = (1;", 25},
        {"X = 1);", 20},
        {"X = (A)(B);", 56},
        {"Then X = 1;", 40},
        {"If X = 1 Go to 1;", 30},
        {"A + B: X = 1;", 52},
        {"X = Y = 1;", 54},
        {"Go to Nowhere;", 60},
        {"X = Max(A, B);", 90},
        {"X = Sum(A);", 80},
        {"Open (Lock, Key);", 90},
    };
    for (const Case& c : cases) EXPECT_EQ(translate(c.lock).code, c.code) << c.lock;
}

TEST(TranslateLock, ReadsUpToTheZeroCharacter) {
    using namespace std::literals;
    const Translated t = translate("X = 1;\0 [#"sv);
    EXPECT_EQ(t.code, 0);
    EXPECT_EQ(t.notation, "x=1;\r\n");
}

TEST(TranslateLock, NamesTheForbiddenCharacterForItsMessage) {
    zolt::Engine engine(zolt::VocabularyKind::Lock);
    lockgame::LockTranslation translation;
    ASSERT_EQ(lockgame::TranslateLock(engine, "X = 1 @ 2;", &translation), 10);
    EXPECT_EQ(translation.details.character, "@");
}

// One lock compiled into its own engine, tried as "Enter" tries it.
class Attempt : public ::testing::Test {
protected:
    void compile(std::string_view lock) {
        ASSERT_EQ(lockgame::TranslateLock(engine, lock), 0) << lock;
        entry = engine.entryInstruction();
        engine.hooks.open = [this] { opened = true; };
        engine.hooks.askAgain = [this] { ++askedAgain; };
    }
    AttemptEnd enter(std::string_view password) {
        opened = false;
        return lockgame::RunAttempt(engine, entry, password, opened);
    }
    double value(const char* name) {
        const zolt::Cell* cell = engine.findCell(name);
        return cell ? *cell : 0;
    }

    zolt::Engine engine{zolt::VocabularyKind::Lock};
    zolt::Instruction* entry = nullptr;
    bool opened = false;
    int askedAgain = 0;
};

TEST_F(Attempt, AWrongNumberIsAskedAgainAndTheRightOneOpens) {
    compile("Begin:\r\nAsk (Password);\r\nIf Password <> 4817 Then Go to Begin;\r\nOpen (Lock);");
    EXPECT_EQ(enter("4816"), AttemptEnd::AskedAgain);
    EXPECT_EQ(askedAgain, 1);
    EXPECT_EQ(value("password"), 4816);  // the first ask stored the number
    EXPECT_EQ(enter("4817"), AttemptEnd::Opened);
    EXPECT_EQ(askedAgain, 1);
}

TEST_F(Attempt, VariablesLastFromOneAttemptToTheNext) {
    compile("1: Ask (P);\r\n2: X = X + P;\r\n3: If X <> 10 Then Go to 1;\r\n4: Open (Lock);");
    EXPECT_EQ(enter("4"), AttemptEnd::AskedAgain);
    EXPECT_EQ(value("x"), 4);
    EXPECT_EQ(enter("6"), AttemptEnd::Opened);
}

TEST_F(Attempt, StopsAtTheThousandthInstructionAndForgetsEverything) {
    compile("1: X = X + 1;\r\nGo to 1;");
    // Each round is an addition, an assignment and a jump: the thousandth instruction is the
    // addition of round 334, so 333 assignments ran.
    engine.askUsed = false;
    EXPECT_EQ(engine.RunLock(entry), zolt::LockRunEnd::LimitHit);
    EXPECT_EQ(value("x"), 333);
    EXPECT_EQ(enter("5"), AttemptEnd::LimitHit);
    EXPECT_EQ(value("x"), 0);
}

TEST_F(Attempt, RunTimeErrorsEndTheAttemptQuietlyAndKeepTheVariables) {
    compile("1: Ask (P);\r\n2: Y = P;\r\n3: X = 1 / (P - P);\r\n4: Open (Lock);");
    EXPECT_EQ(enter("-12"), AttemptEnd::RunError);
    EXPECT_NE(engine.runError(), 0);
    EXPECT_EQ(value("y"), -12);
    EXPECT_EQ(askedAgain, 0);
}

TEST_F(Attempt, AChainWithoutOpenOrASecondAskJustEnds) {
    compile("Ask (P);\r\nX = P;");
    EXPECT_EQ(enter("1-2"), AttemptEnd::Ended);
    EXPECT_EQ(value("x"), 12);
}

TEST(LockVocabulary, HasNoPredefinedNames) {
    zolt::Engine engine(zolt::VocabularyKind::Lock);
    EXPECT_TRUE(engine.variables().empty());
}

}  // namespace
