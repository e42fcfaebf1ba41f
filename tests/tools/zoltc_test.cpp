// zoltc compile and run: their output, their errors and their exit statuses.
#include "zoltc_process.h"

namespace {

using mindloom::testing::runZoltc;

TEST(ZoltcRun, PrintsEachQuestionStatementAndShownCells) {
    const auto r = runZoltc("run --set a=3 --set b=4 --show r --show a --show never",
                            "r=sqroot(a*a+b*b);?r;\n?r/3;\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "5.000000\n1.666667\nr=5\na=3\nnever=0\n");
}

TEST(ZoltcRun, ShowsFullPrecision) {
    const auto r = runZoltc("run --show r", "r=1/3;");
    EXPECT_EQ(r.out, "r=0.33333333333333331\n");
}

TEST(ZoltcRun, CrLfAndLfInputsBehaveAlike) {
    const auto lf = runZoltc("run --show y", "x=2;\ny=x*3;\n");
    const auto crlf = runZoltc("run --show y", "x=2;\r\ny=x*3;\r\n");
    EXPECT_EQ(lf.out, "y=6\n");
    EXPECT_EQ(crlf.out, lf.out);
}

TEST(ZoltcRun, CyrillicNamesWorkOnTheCommandLine) {
    const auto r = runZoltc("run --vocabulary board --set хх=4 --show уу", "уу=хх+tat;");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "уу=5\n");
}

TEST(ZoltcRun, MaxStepsStopsWithCode200) {
    const auto r = runZoltc("run --max-steps 50", "l:k=k+1;gotodopol(l);");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "error 200\nPerformance of the order\n  was interrupted.\nUse help\n");
    EXPECT_EQ(runZoltc("run --max-steps 2 --show b", "a=1;b=2;").out, "b=2\n");
}

TEST(ZoltcRun, ReportsCompileAndRunErrors) {
    struct Case {
        const char* args;
        const char* program;
        const char* err;
    };
    const Case cases[] = {
        {"run", "line(1,2,3);", "error 95\nError\nError line>  Too few parameters in call to function\nUse help\n"},
        {"run", "r=1/0;", "error 110\nillegal operation\nDivision by zero\nUse help\n"},
        {"run --vocabulary board", "move(21,1);", "error 201\nOut field\n  \nUse help\n"},
        {"compile", "gotodopol(m2);", "error 60\nError\nGo to Undefined label\nLook at Go to  m2\n"},
        {"compile --vocabulary lock", "r=max(a,b);", "error 90\nError\nundefined function  <max>\nUse help\n"},
    };
    for (const Case& c : cases) {
        const auto r = runZoltc(c.args, c.program);
        EXPECT_EQ(r.status, 1) << c.program;
        EXPECT_EQ(r.out, "") << c.program;
        EXPECT_EQ(r.err, c.err) << c.program;
    }
}

TEST(ZoltcRun, ABoardMoveIsNotAnError) {
    const auto r = runZoltc("run --vocabulary board --show after", "move(3,3);after=1;");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "after=0\n");
}

TEST(ZoltcCompile, PrintsTheChainAndHonoursTheDrawMode) {
    const auto canvas = runZoltc("compile", "c=color(1,2);");
    const auto buffer = runZoltc("compile --drawmode b", "c=color(1,2);");
    EXPECT_EQ(canvas.out, "   1  color        (1, 2) -> +1!  next 2\n   2  assign       a=c b=+1!  next end\n");
    EXPECT_EQ(buffer.out, "   1  color-buffer (1, 2) -> +1!  next 2\n   2  assign       a=c b=+1!  next end\n");
}

TEST(Zoltc, RefusesBadCommandLinesAndInput) {
    struct Case {
        const char* args;
        const char* input;
        int status;
        const char* errStart;
    };
    const Case cases[] = {
        {"frobnicate", "", 2, "zoltc: unknown subcommand"},
        {"run --vocabulary paint", "", 2, "zoltc: unknown vocabulary"},
        {"run --set a", "", 2, "zoltc: --set takes NAME=VALUE"},
        {"run --set a=x1", "", 2, "zoltc: --set takes NAME=VALUE"},
        {"run --max-steps -3", "", 2, "zoltc: --max-steps takes a count"},
        {"run --show", "", 2, "zoltc: --show needs a value"},
        {"compile --drawmode q", "", 2, "zoltc: --drawmode is n or b"},
        {"run", "r=\xE2\x82\xAC\xE2\x9C\x93;", 1, "zoltc: the program text contains a character with no Windows-1251 byte (U+2713)"},
        {"run", "r=\xFF;", 1, "zoltc: the program text contains a character with no Windows-1251 byte (malformed UTF-8)"},
        {"run /nonexistent/prog.txt", "", 1, "zoltc: cannot read /nonexistent/prog.txt"},
    };
    for (const Case& c : cases) {
        const auto r = runZoltc(c.args, c.input);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.err.rfind(c.errStart, 0), 0u) << c.args << ": " << r.err;
    }
}

}  // namespace
