// Every lock template translates whatever its ranges draw, and every stage it makes can be opened
// by a player who reads the lock: the passwords come from the numbers written in it.
#include <gtest/gtest.h>

#include <numeric>
#include <regex>

#include "lock_game.h"
#include "lock_templates.h"
#include "lock_test_support.h"
#include "lock_translator.h"
#include "ranges.h"

namespace {

using lockgame::AttemptEnd;
using locktest::Passwords;
using locktest::needsTwoAttempts;
using locktest::solve;

// Every range literal replaced by its lowest or its highest value.
std::string rangesAt(std::string_view lock, bool highest) {
    static const std::regex range(R"(\[(-?\d+),(-?\d+)\])");
    std::string out;
    std::string rest(lock);
    std::smatch m;
    while (std::regex_search(rest, m, range)) {
        const long long lo = std::stoll(m[1]), hi = std::stoll(m[2]);
        out += m.prefix().str() + std::to_string(highest ? hi - 1 : lo);
        rest = m.suffix().str();
    }
    return out + rest;
}

struct Stage {
    zolt::Engine engine{zolt::VocabularyKind::Lock};
    bool opened = false;
    zolt::Instruction* entry = nullptr;

    Stage() { engine.hooks.open = [this] { opened = true; }; }
    int translate(std::string_view lock) {
        const int code = lockgame::TranslateLock(engine, lock);
        entry = engine.entryInstruction();
        engine.ClearVariables();
        opened = false;
        return code;
    }
    AttemptEnd enter(const std::string& password) {
        return lockgame::RunAttempt(engine, entry, password, opened);
    }
};

class EveryTemplate : public ::testing::TestWithParam<int> {};

TEST_P(EveryTemplate, TranslatesAtTheEndsOfItsRanges) {
    const std::string_view lock = lockgame::lockTemplate(GetParam());
    Stage stage;
    for (const bool highest : {false, true}) {
        const std::string resolved = rangesAt(lock, highest);
        EXPECT_EQ(stage.translate(resolved), 0) << resolved;
        EXPECT_NE(stage.entry, nullptr);
    }
}

TEST_P(EveryTemplate, OpensWithThePasswordsReadFromTheLock) {
    const int number = GetParam();
    Stage stage;
    zolt::Random random;
    for (int draw = 0; draw < 300; ++draw) {
        random.below(1000 + draw);  // vary the sequence from one draw to the next
        const std::string lock = lockgame::ResolveRanges(lockgame::lockTemplate(number), random);
        ASSERT_EQ(stage.translate(lock), 0) << lock;
        const Passwords passwords = solve(number, locktest::numbersOf(lock));
        ASSERT_EQ(passwords.size(), needsTwoAttempts(number) ? 2u : 1u);
        for (size_t i = 0; i + 1 < passwords.size(); ++i)
            ASSERT_EQ(stage.enter(passwords[i]), AttemptEnd::AskedAgain) << lock << "\nattempt " << i + 1;
        ASSERT_EQ(stage.enter(passwords.back()), AttemptEnd::Opened) << lock << "\npassword " << passwords.back();
    }
}

class TwoAttemptTemplate : public ::testing::TestWithParam<int> {};

TEST_P(TwoAttemptTemplate, StaysShutForEitherPasswordAlone) {
    const int number = GetParam();
    Stage stage;
    zolt::Random random;
    for (int draw = 0; draw < 100; ++draw) {
        const std::string lock = lockgame::ResolveRanges(lockgame::lockTemplate(number), random);
        const Passwords passwords = solve(number, locktest::numbersOf(lock));
        for (const std::string& alone : passwords) {
            ASSERT_EQ(stage.translate(lock), 0);
            EXPECT_NE(stage.enter(alone), AttemptEnd::Opened) << lock << "\npassword " << alone;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, EveryTemplate, ::testing::Range(0, lockgame::kTemplateCount));
INSTANTIATE_TEST_SUITE_P(Templates, TwoAttemptTemplate, ::testing::Values(1, 2, 3, 6, 7, 8));

TEST(LockTemplates, PairsAreIdenticalAndTheOthersDiffer) {
    EXPECT_EQ(lockgame::lockTemplate(1), lockgame::lockTemplate(2));
    EXPECT_EQ(lockgame::lockTemplate(14), lockgame::lockTemplate(15));
    for (int a = 1; a < lockgame::kTemplateCount; ++a)
        for (int b = a + 1; b < lockgame::kTemplateCount; ++b)
            if (!((a == 1 && b == 2) || (a == 14 && b == 15))) {
                EXPECT_NE(lockgame::lockTemplate(a), lockgame::lockTemplate(b)) << a << " " << b;
            }
}

TEST(LockTemplates, LabelTheirLinesInOrderAndEndByOpening) {
    EXPECT_EQ(lockgame::lockTemplate(0).substr(0, 6), "Begin:");
    for (int number = 0; number < lockgame::kTemplateCount; ++number) {
        const std::string lock(lockgame::lockTemplate(number));
        EXPECT_TRUE(lock.ends_with("Open (Lock);")) << number;
        EXPECT_NE(lock.find("Ask (Password);"), std::string::npos) << number;
        if (number == 0) continue;
        int line = 1;
        for (size_t start = 0; start < lock.size(); ++line) {
            EXPECT_EQ(lock.substr(start, std::to_string(line).size() + 1), std::to_string(line) + ":") << number;
            const size_t end = lock.find("\r\n", start);
            start = end == std::string::npos ? lock.size() : end + 2;
        }
    }
    EXPECT_TRUE(lockgame::lockTemplate(16).empty());
}

}  // namespace
