// What programs compute: operators, priorities, literals, names, conditionals, jumps.
#include <cmath>

#include "engine_test_support.h"

namespace zolt {
namespace {

using testing::compileAndRun;

struct ValueCase {
    const char* program;
    const char* cell;
    double expected;
};

class ProgramValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ProgramValues, LeaveTheExpectedValue) {
    const ValueCase& c = GetParam();
    Engine engine(VocabularyKind::Painter);
    compileAndRun(engine, c.program);
    EXPECT_NEAR(engine.cell(c.cell), c.expected, 1e-12) << c.program;
}

INSTANTIATE_TEST_SUITE_P(
    Notation, ProgramValues,
    ::testing::Values(
        ValueCase{"an=-3.14/2;", "an", -1.57},
        ValueCase{"r=2^3^2;", "r", 64},  // equal priorities reduce left to right
        ValueCase{"r=10-3-2;", "r", 5},
        ValueCase{"r=1e5;", "r", 100000},
        ValueCase{"r=1e-5;", "r", -4},  // the literal 1e, minus 5
        ValueCase{"r=12ab;", "r", 12},
        ValueCase{"r=2.5e2x;", "r", 250},
        ValueCase{"r=.5;", "r", 0},  // a name, not a number
        ValueCase{"a=3;b=2;r=a*-b;", "r", -2},  // (a*0)-b
        ValueCase{"a=3;b=2;r=a*(-b);", "r", -6},
        ValueCase{"r=(2&1);", "r", 0},
        ValueCase{"r=(2|0);", "r", 0},
        ValueCase{"r=2|1;", "r", 2},  // the assignment takes the part before |
        ValueCase{"r=(1&1);", "r", 1},
        ValueCase{"r=(0|1);", "r", 1},
        ValueCase{"r=3$3;", "r", 1},
        ValueCase{"r=3~3;", "r", 0},
        ValueCase{"r=3{3;", "r", 1},
        ValueCase{"r=2}3;", "r", 0},
        // An assignment takes only the part before & or |; brackets round the whole take all.
        ValueCase{"a=1;b=0;c=5;d=3;r=a>b&c<d;", "r", 1},
        ValueCase{"a=1;b=0;c=5;d=3;r=(a>b)&(c<d);", "r", 1},
        ValueCase{"a=1;b=0;c=5;d=3;r=((a>b)&(c<d));", "r", 0},
        ValueCase{"c=2;ifdo(c)r=1;elsed:r=2;d_a_l:pusto();", "r", 1},
        ValueCase{"c=0;ifdo(c)r=1;elsed:r=2;d_a_l:pusto();", "r", 2},
        ValueCase{"c=1;r=7;ifdo(c)elsed:r=2;d_a_l:pusto();", "r", 7},
        ValueCase{"c=0;r=7;ifdo(c)elsed:r=2;d_a_l:pusto();", "r", 2},
        ValueCase{"c=0;r=7;ifdo(c)r=1;d_a_l:pusto();r=r+1;", "r", 8},
        ValueCase{"a=1;b=0;ifdo(a)ifdo(b)r=1;elsed:r=2;d_a_l:pusto();elsed:r=3;d_a_l:pusto();", "r", 2},
        ValueCase{"ifdo(1)(a=1;\r\nb=a+1;)d_a_l:pusto();r=a+b;", "r", 3},
        ValueCase{"k=0;gotodopol(l1);k=5;l1:k=k+1;ifdo(k<3)gotodopol(l1);d_a_l:pusto();", "k", 3},
        ValueCase{"k=0;gotodopol(e);k=9;gotodopol(e);e:k=k+1;", "k", 1},
        ValueCase{"k=0;begin:k=k+1;ifdo(k<1000)gotodopol(begin);d_a_l:pusto();", "k", 1000},
        ValueCase{"r=int(-2.5);", "r", -2},
        ValueCase{"r=remainder(-7,2);", "r", -1},
        ValueCase{"r=sgn(0)+sgn(-3)*10;", "r", -10},
        ValueCase{"r=sin(cos(0));", "r", 0.8414709848078965},
        ValueCase{"r=sqroot(16)+abs(-2)+exp(0)+ln(1);", "r", 7},
        ValueCase{"r=arctg(1)*4;", "r", M_PI},
        ValueCase{"r=5 ;", "r", 5},  // a literal followed by a blank keeps its value
        ValueCase{"x =5;", "x ", 5},  // the blank is part of the name
        ValueCase{"r=(((1+2)*3)-4)/5;", "r", 1}));

TEST(Compiler, BlanksMakeOtherNames) {
    Engine engine(VocabularyKind::Painter);
    compileAndRun(engine, "x =5;");
    EXPECT_EQ(engine.cell("x"), 0);
}

TEST(Compiler, CarriageReturnBelongsToTheLastNameOfALineEndedWithoutSemicolon) {
    Engine engine(VocabularyKind::Painter);
    compileAndRun(engine, "y=3;x=y\r\nz=y;\r\n");
    EXPECT_EQ(engine.cell("x"), 0) << "x took the value of the name y followed by CR";
    EXPECT_EQ(engine.cell("z"), 3);
}

TEST(Compiler, IncrementEmitsAnAdditionAndAnAssignment) {
    Engine engine(VocabularyKind::Painter);
    ASSERT_EQ(engine.CompileProgram("k=k+1;"), 0);
    const auto chain = engine.chainFrom(engine.entryInstruction());
    ASSERT_EQ(chain.size(), 2u);
    EXPECT_EQ(chain[0]->result, chain[1]->operandB) << "the sum's temporary feeds the assignment";
    EXPECT_EQ(engine.findCell("1"), nullptr) << "literals never enter the VariableTable";
}

TEST(Compiler, TwoOccurrencesOfALiteralGetTwoCells) {
    Engine engine(VocabularyKind::Painter);
    ASSERT_EQ(engine.CompileProgram("a=5;b=5;"), 0);
    const auto chain = engine.chainFrom(engine.entryInstruction());
    ASSERT_EQ(chain.size(), 2u);
    EXPECT_NE(chain[0]->operandB, chain[1]->operandB);
}

TEST(Compiler, NestedCallsShareOneTemporary) {
    Engine engine(VocabularyKind::Painter);
    ASSERT_EQ(engine.CompileProgram("r=sin(cos(x));"), 0);
    int temporaries = 0;
    for (const auto& [name, cell] : engine.variables()) temporaries += !name.empty() && name[0] == '+';
    EXPECT_EQ(temporaries, 1);
}

TEST(Compiler, ConditionalLinksItsPaths) {
    Engine engine(VocabularyKind::Painter);
    ASSERT_EQ(engine.CompileProgram("begin:k=k+1;ifdo(k<a)gotodopol(begin);d_a_l:pusto();"), 0);
    const auto chain = engine.chainFrom(engine.entryInstruction());
    ASSERT_EQ(chain.size(), 6u);  // add, assign, less, ifdo, jump, pusto
    EXPECT_EQ(chain[3]->alternative, chain[5]) << "false path is the closing pusto";
    EXPECT_EQ(chain[4]->next, chain[0]) << "the jump goes straight to the label";
    EXPECT_EQ(chain[5]->next, nullptr);
}

TEST(Compiler, ProgramWithoutInstructionsHasNoEntryAndRunsSilently) {
    Engine engine(VocabularyKind::Painter);
    int shown = 0;
    engine.hooks.showError = [&](int) { ++shown; };
    ASSERT_EQ(engine.CompileProgram("a:b;c;\r\n"), 0);
    EXPECT_EQ(engine.entryInstruction(), nullptr);
    engine.RunProgram(engine.entryInstruction());
    EXPECT_TRUE(engine.running());
    EXPECT_EQ(shown, 0);
}

TEST(Compiler, RnddopolnBindsItsEmptyArgumentToTheZeroCell) {
    Engine engine(VocabularyKind::Painter);
    ASSERT_EQ(engine.CompileProgram("r=rnddopoln();"), 0);
    EXPECT_EQ(engine.chainFrom(engine.entryInstruction())[0]->operandB, engine.zeroCell());
}

TEST(CodeModel, VariablesAreSharedAndPersistBetweenPrograms) {
    Engine engine(VocabularyKind::Painter);
    compileAndRun(engine, "shared=shared+1;");
    Instruction* first = engine.entryInstruction();
    compileAndRun(engine, "copy=shared*10;");
    EXPECT_EQ(engine.cell("copy"), 10);
    engine.RunProgram(first);  // the earlier program stays runnable after later compilations
    EXPECT_EQ(engine.cell("shared"), 2);
}

TEST(CodeModel, RecompilingKeepsThePreviousEntryRunnable) {
    Engine engine(VocabularyKind::Painter);
    ASSERT_EQ(engine.CompileProgram("v=1;w=w+1;"), 0);
    Instruction* old = engine.entryInstruction();
    ASSERT_EQ(engine.CompileProgram("v=2;w=w+1;"), 0);
    engine.RunProgram(old);
    EXPECT_EQ(engine.cell("v"), 1);
    EXPECT_EQ(engine.cell("w"), 1) << "the old chain must not continue into the new one";
}

TEST(CodeModel, TheEmptyNameAlwaysFindsTheZeroCell) {
    Engine engine(VocabularyKind::Painter);
    for (int k = 0; k < 200; ++k) engine.cell("v" + std::to_string(k));
    EXPECT_EQ(engine.findCell(""), engine.zeroCell());
    EXPECT_EQ(*engine.zeroCell(), 0);
}

TEST(CodeModel, ClearVariablesKeepsTheNamedOnesAndConstants) {
    Engine engine(VocabularyKind::Board);
    compileAndRun(engine, "x=3;y=4;best=9;");
    engine.ClearVariables({"x", "y"});
    EXPECT_EQ(engine.cell("x"), 3);
    EXPECT_EQ(engine.cell("best"), 0);
    EXPECT_EQ(engine.cell("tit"), -1);
    EXPECT_EQ(engine.cell("tat"), 1);
}

}  // namespace
}  // namespace zolt
