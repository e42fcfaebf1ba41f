// zoltc translate run as a process: the intake, the writers and the error report end to end.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "zoltc_process.h"

namespace {

using Outcome = mindloom::testing::ZoltcOutcome;

// Runs `zoltc COMMAND` on a program file holding `program` (UTF-8).
Outcome zoltc(const std::string& command, const std::string& program) {
    return mindloom::testing::runZoltcOnFile(command, program);
}

Outcome translate(const std::string& args, const std::string& program) {
    return zoltc("translate " + args, program);
}

const char* const kSquare = "If a<b Then m=a; Else m=b;\nRectangle(0,0,m,m)";

struct TranslateCase {
    const char* args;
    const char* program;
    const char* expected;
};

class TranslateCommandTest : public ::testing::TestWithParam<TranslateCase> {};

TEST_P(TranslateCommandTest, PrintsTheTargetText) {
    const TranslateCase& c = GetParam();
    const Outcome outcome = translate(c.args, c.program);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, c.expected);
    EXPECT_EQ(outcome.err, "");
}

const TranslateCase kTranslateCases[] = {
    {"--from english --to internal", kSquare, "\nifdo(a<b)m=a;elsed:m=b;d_a_l:pusto();\nrectangle(0,0,m,m);\n"},
    {"--from 1 --to internal", "x=1\ny=2", "\nx=1;\ny=2;\n"},
    {"--from english --to english", kSquare, kSquare},
    {"--from russian --to russian", "Если a<b Тогда m=a;  ", "Если a<b Тогда m=a;  "},
    {"--from russian --to internal", "Если a=b Тогда x=1;\nЦвет линий=Красный",
     "\nifdo(a$b)x=1;d_a_l:pusto();\ncoloroflines=red;\n"},
    {"--from russian --to internal --vocabulary board", "Если a=(Пустая) Тогда Ход(x,y);",
     "\nifdo(a$(empty))move(x,y);d_a_l:pusto();\n"},
    {"--from english --to internal --no-compile", "Go to nowhere;", "\ngotodopol(nowhere);\n"},
    {"--from internal --to english", "x=1;y=2;\n", "x=1; y=2; "},
    {"--from english --to cpp --no-compile", "k=k+1; If k<a Then Go to begin;", "k++; if (k<a) {  goto begin; } "},
    {"--from internal --to internal", "x=1;\n", "x=1;\n"},
    // Each structured syntax reaches its own reader.
    {"--from basic --to internal", "IF (a<b) THEN\nm=a\n ELSE \nm=b\nEnd IF\n Rectangle(0,0,m,m)",
     "\nifdo(a<b)(;\nm=a)elsed:(;\nm=b;)d_a_l:pusto();\nrectangle(0,0,m,m);\n"},
    {"--from 3 --to internal",
     "Begin\nif (a<b) then  Begin  m:=a;  end  else  Begin  m:=b end ; \n Rectangle(0,0,m,m); \nEnd.",
     "ifdo(a<b)(m=a;)elsed:(m=b;)d_a_l:pusto();\nrectangle(0,0,m,m);"},
    {"--from cpp --to internal --no-compile", "k++; if (k<a) {  goto begin; } ",
     "k=k+1;ifdo(k<a)(gotodopol(begin);)d_a_l:pusto();\n"},
};

INSTANTIATE_TEST_SUITE_P(Examples, TranslateCommandTest, ::testing::ValuesIn(kTranslateCases));

TEST(TranslateCommandErrors, ReportTheCodeAndTheThreeLinesOnStandardError) {
    const Outcome forbidden = translate("--from english --to internal", "x=1 # 2");
    EXPECT_EQ(forbidden.status, 1);
    EXPECT_EQ(forbidden.out, "");
    EXPECT_EQ(forbidden.err.rfind("error 10\n", 0), 0u) << forbidden.err;
    EXPECT_NE(forbidden.err.find("#"), std::string::npos);
    EXPECT_EQ(std::count(forbidden.err.begin(), forbidden.err.end(), '\n'), 4);

    const Outcome compile = translate("--from english --to basic", "Go to nowhere;");
    EXPECT_EQ(compile.status, 1);
    EXPECT_EQ(compile.out, "");
    EXPECT_EQ(compile.err.rfind("error 60\n", 0), 0u) << compile.err;
    EXPECT_NE(compile.err.find("nowhere"), std::string::npos);

    const Outcome reader = translate("--from russian --to internal --no-compile", "Тогда");
    EXPECT_EQ(reader.status, 1);
    EXPECT_EQ(reader.err.rfind("error 40\n", 0), 0u) << reader.err;

    const Outcome nested = translate("--from english --to internal",
                                     "If a Then If a Then If a Then If a Then If a Then If a Then If a Then "
                                     "If a Then If a Then If a Then x=1;");
    EXPECT_EQ(nested.status, 1);
    EXPECT_EQ(nested.err.rfind("error 31\n", 0), 0u) << nested.err;
}

TEST(TranslateCommandErrors, RejectBadCommandLines) {
    for (const char* args : {"--from klingon --to internal", "--from english", "--from english --to 7",
                             "--from english --to internal --vocabulary", "--from english --to internal --bogus"}) {
        const Outcome outcome = translate(args, "x=1");
        EXPECT_EQ(outcome.status, 2) << args;
        EXPECT_EQ(outcome.out, "") << args;
        EXPECT_NE(outcome.err, "") << args;
    }
}

TEST(RunCommandSyntax, ReadsTheProgramThroughTheIntake) {
    const char* program = "Если a<b Тогда m=a; Иначе m=b;";
    EXPECT_EQ(zoltc("run --syntax russian --set a=9 --set b=7 --show m", program).out, "m=7\n");
    EXPECT_EQ(zoltc("run --syntax 0 --set a=3 --set b=7 --show m", program).out, "m=3\n");
    const Outcome wrong = zoltc("run --syntax english --show m", "If a Then x=1 Else y=1");
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(wrong.err.rfind("error 52\n", 0), 0u) << wrong.err;
}

}  // namespace
