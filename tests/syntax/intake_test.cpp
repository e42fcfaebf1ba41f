// The editor text intake: loading, the checks, lower case, the normalisation of the internal
// notation and the compile, over the examples and edge cases of each step.
#include <gtest/gtest.h>

#include "engine.h"
#include "intake.h"
#include "keyword_reader.h"
#include "program_corpus.h"
#include "syntax_test_text.h"

namespace zolt::syntax {
namespace {

using test::cp;
using test::shown;

struct IntakeCase {
    const char* editor;    // UTF-8, CR LF line breaks
    Reader reader;
    const char* expected;  // WorkText after the separator check, the outer line breaks trimmed
    bool compiles = true;
};

class IntakeTranslationTest : public ::testing::TestWithParam<IntakeCase> {};

TEST_P(IntakeTranslationTest, NormalisesAndCompiles) {
    const IntakeCase& c = GetParam();
    WorkText text;
    ASSERT_EQ(TranslateEditorText(text, cp(c.editor), c.reader, VocabularyKind::Painter), 0) << shown(text);
    WorkText inner = text;
    TrimOuterLineBreaks(inner);
    EXPECT_EQ(shown(inner), shown(cp(c.expected)));

    Engine engine(VocabularyKind::Painter);
    WorkText compiled;
    const int code = IntakeEditorText(compiled, cp(c.editor), c.reader, engine);
    EXPECT_EQ(compiled, text);
    if (c.compiles) {
        EXPECT_EQ(code, 0) << shown(compiled);
    }
}

const IntakeCase kIntakeCases[] = {
    {"", ReadZoltEnglish, ""},
    {"x=1\r\ny=2", ReadZoltEnglish, "x=1;\r\ny=2;"},
    {"m:", ReadZoltEnglish, "m:;\r\npusto();"},
    {"a:b:c=1", ReadZoltEnglish, "a:pusto();b:c=1;"},
    {"a:b:c:", ReadZoltEnglish, "a:pusto();b:pusto();c:;\r\npusto();"},
    // A statement that is only a name produces nothing, so the label before it needs one.
    {"a:x;b:y=1", ReadZoltEnglish, "a:pusto();x;b:y=1;"},
    {"If a<b Then x=1; Else\r\ny=2;", ReadZoltEnglish, "ifdo(a<b)x=1;elsed:pusto();d_a_l:pusto();\r\ny=2;"},
    {"x=((a+b))", ReadZoltEnglish, "x=(a+b);"},
    {"x=(((a+b)))", ReadZoltEnglish, "x=(a+b);"},
    {"x=((a)+(b))*2", ReadZoltEnglish, "x=((a)+(b))*2;"},
    {"((a+b))", ReadZoltEnglish, "a+b;"},
    {"(\r\nx=1;\r\n)", ReadZoltEnglish, ";\r\nx=1;;"},
    {"x=1\r\n;y=2", ReadZoltEnglish, "x=1;y=2;"},
    {"x=1;;;y=2;", ReadZoltEnglish, "x=1;y=2;"},
    {"If a<b Then (x=1;\r\n) Else y=2;", ReadZoltEnglish, "ifdo(a<b)(x=1;)elsed:y=2;d_a_l:pusto();"},
    {"if a<b then m=a; else m=b;", ReadZoltEnglish, "ifdo(a<b)m=a;elsed:m=b;d_a_l:pusto();"},
    {"Ёлка=ёлка+Ель", ReadZoltEnglish, "Ёлка=ёлка+ель;"},
    {"X = 1", nullptr, "x = 1;", false},
    {"X=1", nullptr, "x=1;"},
};

INSTANTIATE_TEST_SUITE_P(Steps, IntakeTranslationTest, ::testing::ValuesIn(kIntakeCases));

TEST(IntakeLoad, PutsALineBreakAtBothEnds) {
    WorkText text;
    ASSERT_EQ(TranslateEditorText(text, "", ReadZoltEnglish, VocabularyKind::Painter), 0);
    EXPECT_EQ(text, "\r\n\r\n");
    ASSERT_EQ(TranslateEditorText(text, "m:", ReadZoltEnglish, VocabularyKind::Painter), 0);
    EXPECT_EQ(text, "\r\nm:;\r\npusto();");
    // The text ends at a zero character, where the compiler would stop reading it.
    ASSERT_EQ(TranslateEditorText(text, std::string_view("x=1\0y=(", 8), ReadZoltEnglish, VocabularyKind::Painter), 0);
    EXPECT_EQ(text, "\r\nx=1;\r\n");
}

struct IntakeFailure {
    const char* editor;
    Reader reader;
    int code;
};

class IntakeFailureTest : public ::testing::TestWithParam<IntakeFailure> {};

TEST_P(IntakeFailureTest, ReturnsTheCode) {
    const IntakeFailure& c = GetParam();
    WorkText text;
    EXPECT_EQ(TranslateEditorText(text, cp(c.editor), c.reader, VocabularyKind::Painter), c.code) << c.editor;
}

const IntakeFailure kIntakeFailures[] = {
    {"a+b:", ReadZoltEnglish, 52},
    {"f(x,y=2)", ReadZoltEnglish, 54},
    {"x=a+b=c", ReadZoltEnglish, 54},
    {"if a<b then m=a else m=b", ReadZoltEnglish, 52},
    {"x=(#", ReadZoltEnglish, 10},
    {")x=(", ReadZoltEnglish, 20},
    {"x=(a))+(b", ReadZoltEnglish, 20},
    {"x=((a)", ReadZoltEnglish, 25},
    {"x=[1]", nullptr, 10},
    {"Тогда", ReadZoltRussian, 40},
};

INSTANTIATE_TEST_SUITE_P(Codes, IntakeFailureTest, ::testing::ValuesIn(kIntakeFailures));

TEST(IntakeForbiddenCharacters, NameTheFirstOneFound) {
    for (const char* editor : {"x=1 @ [", "]x=#", "x=(a # b"}) {
        WorkText text;
        ErrorDetails details;
        EXPECT_EQ(TranslateEditorText(text, editor, ReadZoltEnglish, VocabularyKind::Painter, &details), 10);
        EXPECT_EQ(details.character, std::string(1, editor[std::string_view(editor).find_first_of("#@[]")]));
    }
}

TEST(IntakeCompile, PassesTheCompilersCodeAndDetails) {
    Engine engine(VocabularyKind::Painter);
    WorkText text;
    ErrorDetails details;
    const int code = IntakeEditorText(text, "Go to nowhere;", ReadZoltEnglish, engine, &details);
    EXPECT_EQ(code, 60);
    EXPECT_EQ(details.label, engine.errorDetails().label);
    EXPECT_NE(details.label, "");
}

TEST(IntakeCompile, ProgramRunsWithTheTranslatedLogic) {
    Engine engine(VocabularyKind::Painter);
    WorkText text;
    ASSERT_EQ(IntakeEditorText(text, cp("Если a<b Тогда m=a; Иначе m=b;\r\nk=m*2"), ReadZoltRussian, engine), 0);
    engine.cell("a") = 3;
    engine.cell("b") = 5;
    engine.RunProgram(engine.entryInstruction());
    EXPECT_EQ(engine.cell("k"), 6);
    engine.cell("a") = 9;
    engine.RunProgram(engine.entryInstruction());
    EXPECT_EQ(engine.cell("k"), 10);
}

// With no syntax selected, a stored program in the internal notation passes the intake unchanged
// but for the ';' that every line ending in '(' gets, and compiles.
TEST(IntakeStoredPrograms, InternalTextsPassUnchanged) {
    int checked = 0;
    for (const corpus::Program& program : corpus::load()) {
        if (program.syntax >= 0) continue;
        Engine engine(program.vocabulary);
        engine.setDrawMode(program.drawMode);
        WorkText text;
        EXPECT_EQ(IntakeEditorText(text, program.text, nullptr, engine), 0) << program.header;
        WorkText stored = "\r\n" + program.text + "\r\n";
        ReplaceAll(text, "(;\r\n", "(\r\n");
        ReplaceAll(stored, "(;\r\n", "(\r\n");
        EXPECT_EQ(shown(text), shown(stored)) << program.header;
        ++checked;
    }
    EXPECT_GT(checked, 40);
}

// Each normalisation step on its own, as other translators call them.
TEST(IntakeSteps, WorkOnTheirOwn) {
    WorkText text = "a:b:";
    FillLabelChains(text);
    EXPECT_EQ(text, "a:pusto();b:");
    CloseTrailingLabel(text);
    EXPECT_EQ(text, "a:pusto();b:pusto();");

    text = "x:y=1";
    CloseTrailingLabel(text);
    EXPECT_EQ(text, "x:y=1");

    text = "(a)";
    RemoveOuterParentheses(text);
    EXPECT_EQ(text, "a");
    text = "x=(a)";
    RemoveOuterParentheses(text);
    EXPECT_EQ(text, "x=(a)");

    text = "f((a+b),((c)))";
    RemoveDoubledParentheses(text);
    EXPECT_EQ(text, "f((a+b),(c))");

    text = "\r\nx=1\r\n\r\ny;\r\n";
    EndLinesWithSemicolons(text);
    EXPECT_EQ(text, "\r\nx=1;\r\n\r\ny;\r\n");

    EXPECT_EQ(CheckSeparators("\nm:x=1;ifdo(a$b)y=2;d_a_l:pusto();(q=1;)n:z=2;"), 0);
    EXPECT_EQ(CheckSeparators("f(a)=1;"), 0);
    EXPECT_EQ(CheckSeparators("x=1,y:"), 52);
    EXPECT_EQ(CheckSeparators("?x=1;"), 54);
}

}  // namespace
}  // namespace zolt::syntax
