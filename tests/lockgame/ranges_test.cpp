// Range literals: every [lo,hi] becomes one integer from lo to hi - 1.
#include <gtest/gtest.h>

#include <set>

#include "ranges.h"

namespace {

std::set<long long> valuesOf(const char* literal, int draws) {
    zolt::Random random;
    std::set<long long> seen;
    for (int i = 0; i < draws; ++i) seen.insert(std::stoll(lockgame::ResolveRanges(literal, random)));
    return seen;
}

TEST(ResolveRanges, DrawsFromTheLowBoundUpToButNotIncludingTheHighOne) {
    struct Case {
        const char* literal;
        std::set<long long> values;
    };
    const Case cases[] = {
        {"[5,5]", {5}},
        {"[1,4]", {1, 2, 3}},
        {"[1,2]", {1}},
        {"[-5,-2]", {-5, -4, -3}},
        {"[10,7]", {10, 11, 12}},  // a high bound below the low one mirrors the span upwards
        {"[ +3, 6]", {3, 4, 5}},   // blanks and a sign before the digits
        {"[2x,4y]", {2, 3}},       // reading stops at the first character that is not a digit
    };
    for (const Case& c : cases) EXPECT_EQ(valuesOf(c.literal, 300), c.values) << c.literal;
}

TEST(ResolveRanges, WideRangesReachBeyondOneDrawOfTheGenerator) {
    const auto seen = valuesOf("[100000,3000000]", 300);
    EXPECT_GE(*seen.begin(), 100000);
    EXPECT_LT(*seen.rbegin(), 3000000);
    EXPECT_GT(*seen.rbegin(), 100000 + 32768) << "only the first 32,768 values were ever drawn";
    EXPECT_GT(seen.size(), 290u);
}

TEST(ResolveRanges, ReplacesEveryLiteralAndLeavesTheRestAlone) {
    zolt::Random random;
    EXPECT_EQ(lockgame::ResolveRanges("1: X = [7,7] + [3,3];\r\n2: Open (Lock);", random),
              "1: X = 7 + 3;\r\n2: Open (Lock);");
    EXPECT_EQ(lockgame::ResolveRanges("[1,2][8,9]", random), "18");
    EXPECT_EQ(lockgame::ResolveRanges("a, b] c", random), "a, b] c");
    EXPECT_EQ(lockgame::ResolveRanges("X = [4];", random), "X = [4];");  // no comma: not a range
    EXPECT_EQ(lockgame::ResolveRanges("X = [1,3", random), "X = [1,3");
}

TEST(ResolveRanges, UsesTheEnginesGeneratorOneDrawPerNarrowRange) {
    zolt::Random a, b;
    const std::string resolved = lockgame::ResolveRanges("[0,1000] [0,1000]", a);
    const int first = b.below(1000);
    const int second = b.below(1000);
    EXPECT_EQ(resolved, std::to_string(first) + " " + std::to_string(second));
    EXPECT_EQ(a.next(), b.next());
}

TEST(DrawBelow, StaysBelowItsBound) {
    zolt::Random random;
    EXPECT_EQ(lockgame::drawBelow(random, 0), 0);
    EXPECT_EQ(lockgame::drawBelow(random, -5), 0);
    for (const long long n : {1LL, 7LL, 32768LL, 32769LL, 5000000LL, 4000000000LL})
        for (int i = 0; i < 200; ++i) {
            const long long v = lockgame::drawBelow(random, n);
            ASSERT_GE(v, 0);
            ASSERT_LT(v, n);
        }
}

}  // namespace
