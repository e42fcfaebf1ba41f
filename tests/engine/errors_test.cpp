// Compile-time errors: the code, and the exact lines the error window shows for it.
#include "engine_test_support.h"
#include "errors.h"

namespace zolt {
namespace {

struct CompileErrorCase {
    VocabularyKind vocabulary;
    std::string program;
    int code;
    std::string message;  // L2
    std::string hint;     // L3
};

class CompileErrors : public ::testing::TestWithParam<CompileErrorCase> {};

TEST_P(CompileErrors, GiveTheirCodeAndTexts) {
    const CompileErrorCase& c = GetParam();
    Engine engine(c.vocabulary);
    ASSERT_EQ(engine.CompileProgram(c.program), c.code) << c.program;
    const ErrorText text = describeError(c.code, engine.errorDetails());
    EXPECT_EQ(text.message, c.message);
    EXPECT_EQ(text.hint, c.hint);
    EXPECT_NE(text.helpTopic, 0);
    EXPECT_EQ(*engine.zeroCell(), 0);
}

std::string nested(int depth) { return "r=" + std::string(depth, '(') + "1" + std::string(depth, ')') + ";"; }

const auto P = VocabularyKind::Painter;
const auto B = VocabularyKind::Board;

INSTANTIATE_TEST_SUITE_P(
    Table, CompileErrors,
    ::testing::Values(
        CompileErrorCase{P, "sin(1,2);", 90, "undefined function  <sin>", "Use help"},
        CompileErrorCase{P, "line(1);", 80, "undefined function  <line>", "Use help"},
        CompileErrorCase{P, "line(1,2,3);", 95, "Error line>  Too few parameters in call to function", "Use help"},
        CompileErrorCase{P, "r=remainder(1,2,3);", 95, "Error remainder>  Extra parameter in call to function",
                         "Use help"},
        CompileErrorCase{B, "r=remainder(7,2);", 90, "undefined function  <remainder>", "Use help"},
        CompileErrorCase{P, "white=1;", 97, "Constant  <white> have tried to change", "Use help"},
        CompileErrorCase{B, "tit=1;", 97, "Constant  <tit> have tried to change", "Use help"},
        CompileErrorCase{P, "gotodopol(m2);", 60, "Go to Undefined label", "Look at Go to  m2"},
        CompileErrorCase{P, "l:pusto();l:pusto();", 70, "Multiple declaration for the label - l", "Use help"},
        CompileErrorCase{P, nested(28), 98, "Too difficult expression", "Use help"},
        // Limits this engine checks itself.
        CompileErrorCase{P, std::string(40, 'n') + "=1;", kNameTooLong,
                         "The name <" + std::string(39, 'n') + "> is longer than 39 characters", "Use help"},
        CompileErrorCase{P, std::string(36, 'l') + ":pusto();", kLabelTooLong,
                         "The name of a label is longer than 35 characters", "Use help"},
        CompileErrorCase{P, "line(1,2,3,4,5,6,7,8,9,10);", kTooManyArguments,
                         "Error line>  More than 9 parameters in call to function", "Use help"},
        CompileErrorCase{P, "elsed:pusto();", kElseWithoutConditional, "ELSE without an open condition", "Use help"},
        CompileErrorCase{P, "d_a_l:pusto();", kEndWithoutConditional,
                         "End of a condition without an open condition", "Use help"},
        CompileErrorCase{P, "a=1);b=2;", kExpressionNotReducible,
                         "The expression cannot be read: check the brackets", "Use help"},
        CompileErrorCase{P, "=5;", kAssignmentToNothing, "Assignment without a name before =", "Use help"},
        CompileErrorCase{P, "(=5);", kAssignmentToNothing, "Assignment without a name before =", "Use help"},
        CompileErrorCase{P, "1,2;", kCommaOutsideCall, "Comma outside the brackets of a function call",
                         "Use help"},
        // Texts that end too early would leave links leading out of the program.
        CompileErrorCase{P, "y=(2;", 25, "There is no closing bracket )", "Use help"},
        CompileErrorCase{P, "gotodopol(m;x=1;m:y=2;", 25, "There is no closing bracket )", "Use help"},
        CompileErrorCase{P, "x=1;y=x+1", kStatementNotEnded,
                         "The last statement of the program is not ended with ;", "Use help"},
        CompileErrorCase{P, "ifdo(a<1)x=1;", kConditionNotClosed,
                         "A condition is not closed at the end of the program", "Use help"},
        CompileErrorCase{P, "ifdo(a<1)", kConditionNotClosed,
                         "A condition is not closed at the end of the program", "Use help"}));

TEST(CompileErrors, AProgramEndingInALoneNameStillCompiles) {
    Engine engine(VocabularyKind::Painter);
    EXPECT_EQ(engine.CompileProgram("x=1;y\r\n"), 0);
    EXPECT_EQ(engine.CompileProgram("x=1;\r"), 0);
}

TEST(CompileErrors, TwentySevenNestedBracketsStillCompile) {
    Engine engine(VocabularyKind::Painter);
    EXPECT_EQ(engine.CompileProgram(nested(27)), 0);
}

TEST(CompileErrors, ElevenOpenConditionalsAreRefused) {
    std::string program;
    for (int k = 0; k < 11; ++k) program += "ifdo(1)";
    program += "r=1;";
    for (int k = 0; k < 11; ++k) program += "d_a_l:pusto();";
    Engine engine(VocabularyKind::Painter);
    EXPECT_EQ(engine.CompileProgram(program), kTooManyOpenConditionals);
    std::string ten = program.substr(7);
    EXPECT_EQ(engine.CompileProgram(ten.substr(0, ten.size() - 14)), 0);
}

TEST(CompileErrors, ANewCompilationStartsCleanAfterAFailedOne) {
    Engine engine(VocabularyKind::Painter);
    ASSERT_NE(engine.CompileProgram("a=1);"), 0);
    EXPECT_EQ(engine.CompileProgram("r=1;"), 0);
    engine.RunProgram(engine.entryInstruction());
    EXPECT_EQ(engine.cell("r"), 1);
}

TEST(ErrorTable, FixedTextsAreExact) {
    struct Row {
        int code;
        const char* category;
        const char* message;
        int topic;
    };
    const Row rows[] = {
        {20, "Syntactic mistake", "Closing bracket ) without opening it (", 1020},
        {25, "Syntactic mistake", "There is no closing bracket )", 1025},
        {30, "Error", "Word IF without THEN", 1003},
        {56, "Syntactic mistake", "symbol between brackets is missed )(", 1056},
        {110, "illegal operation", "Division by zero", 1110},
        {120, "illegal operation", " Square root of a negative number", 1120},
        {200, "Performance of the order", "  was interrupted.", 2000},
        {210, "Performance of reading of the program", "  was interrupted.", 2100},
        {201, "Out field", "  ", 1201},
        {202, "Move to busy square", " ", 1202},
    };
    for (const Row& row : rows) {
        const ErrorText text = describeError(row.code, {});
        EXPECT_EQ(text.category, row.category) << row.code;
        EXPECT_EQ(text.message, row.message) << row.code;
        EXPECT_EQ(text.hint, "Use help") << row.code;
        EXPECT_EQ(text.helpTopic, row.topic) << row.code;
    }
}

TEST(ErrorTable, IllegalSymbolNamesTheCharacter) {
    ErrorDetails details;
    details.character = "#";
    EXPECT_EQ(describeError(10, details).message, "illegal symbol  #   in the text of the program");
    EXPECT_EQ(describeError(10, details).helpTopic, 1001);
}

TEST(ErrorTable, UnknownCodeKeepsTheDefaultLinesAndNoTopic) {
    const ErrorText text = describeError(12345, {});
    EXPECT_EQ(text.category, "Error");
    EXPECT_EQ(text.message, "");
    EXPECT_EQ(text.hint, "Use help");
    EXPECT_EQ(text.helpTopic, 0);
}

TEST(ErrorTable, BoardProgramLineHasNoBlanks) {
    EXPECT_EQ(programLine("Standard"), "Error in the programStandard>");
}

}  // namespace
}  // namespace zolt
