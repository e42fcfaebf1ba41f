// zoltc lock run as a process: templates, translation and attempts, end to end.
#include <gtest/gtest.h>

#include <algorithm>

#include "lock_templates.h"
#include "lock_test_support.h"
#include "zoltc_process.h"

namespace {

using Outcome = mindloom::testing::ZoltcOutcome;

// Runs `zoltc lock ARGS` with `input` (UTF-8) as the lock text on standard input.
Outcome zoltcLock(const std::string& args, const std::string* input = nullptr) {
    return mindloom::testing::runZoltc("lock " + args, input ? *input : std::string());
}

std::string withoutCarriageReturns(std::string_view text) {
    std::string out;
    for (const char c : text)
        if (c != '\r') out += c;
    return out;
}

TEST(ZoltcLock, TemplateShowsTheResolvedLockForAGivenNumberOfDraws) {
    const Outcome zero = zoltcLock("template 0");
    EXPECT_EQ(zero.status, 0);
    EXPECT_EQ(zero.out, withoutCarriageReturns(lockgame::lockTemplate(0)) + "\n");

    const Outcome a = zoltcLock("template 4 --draws 12"), b = zoltcLock("template 4 --draws 12");
    const Outcome c = zoltcLock("template 4 --draws 13");
    EXPECT_EQ(a.out, b.out);
    EXPECT_NE(a.out, c.out);
    EXPECT_EQ(a.out.find('['), std::string::npos);
}

TEST(ZoltcLock, TranslatePrintsTheNotationOrTheError) {
    const std::string lock = "1: Ask (P);\n2: If P <> 5 Then Go to 1;\n3: Open (Lock);\n";
    const Outcome ok = zoltcLock("translate", &lock);
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.out, "1:ask(p);\n2:ifdo(p~5)gotodopol(1);d_a_l:pusto();\n3:open(lock);\n\n");

    const std::string bad = "X = [1,2];\n";
    const Outcome failed = zoltcLock("translate", &bad);
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(failed.err.rfind("error 10\n", 0), 0u) << failed.err;
    EXPECT_EQ(std::count(failed.err.begin(), failed.err.end(), '\n'), 4);
}

TEST(ZoltcLock, TryReportsEveryAttemptAndStopsAtTheOpening) {
    const std::string lock(withoutCarriageReturns(lockgame::lockTemplate(0)));
    const Outcome o = zoltcLock("try --password 12 --password x --password 4817 --password 4817", &lock);
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, "asked again\nasked again\nopen\n");

    const std::string loop = "1: X = X + 1;\nGo to 1;\n";
    EXPECT_EQ(zoltcLock("try --password 1", &loop).out, "limit\n");
    const std::string division = "Ask (P);\nX = 1 / (P - P);\n";
    EXPECT_EQ(zoltcLock("try --password 3", &division).out.rfind("error ", 0), 0u);
}

TEST(ZoltcLock, APlayerOpensATwoAttemptTemplateFromItsPrintedText) {
    for (const int number : {1, 7, 8}) {
        const Outcome shown = zoltcLock("template " + std::to_string(number) + " --draws 99");
        ASSERT_EQ(shown.status, 0);
        std::string args = "try";
        for (const std::string& p : locktest::solve(number, locktest::numbersOf(shown.out)))
            args += " --password " + p;
        EXPECT_EQ(zoltcLock(args, &shown.out).out, "asked again\nopen\n") << shown.out;
    }
}

TEST(ZoltcLock, RejectsBadCommandLines) {
    for (const char* args : {"", "open", "template", "template 16", "template 3 --draws x", "template 3 --draws 1000000001", "template 3 4",
                             "try --password"})
        EXPECT_EQ(zoltcLock(args).status, 2) << args;
}

}  // namespace
