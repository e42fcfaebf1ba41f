// The Zolt Russian and Zolt English readers, through the whole intake and step by step, for the
// painter's and the board game's vocabularies.
#include <gtest/gtest.h>

#include <string>

#include "engine.h"
#include "intake.h"
#include "keyword_reader.h"
#include "syntax_test_text.h"

namespace zolt::syntax {
namespace {

using test::cp;
using test::shown;

struct ReadCase {
    const char* editor;    // UTF-8, CR LF line breaks
    bool russian;
    const char* expected;  // after the whole intake, without its outer line breaks
    VocabularyKind vocabulary = VocabularyKind::Painter;
};

class KeywordReaderTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(KeywordReaderTest, ReadsIntoInternalNotation) {
    const ReadCase& c = GetParam();
    WorkText text;
    const Reader reader = c.russian ? ReadZoltRussian : ReadZoltEnglish;
    ASSERT_EQ(TranslateEditorText(text, cp(c.editor), reader, c.vocabulary), 0) << shown(text);
    TrimOuterLineBreaks(text);
    EXPECT_EQ(shown(text), shown(cp(c.expected)));
}

const ReadCase kReadCases[] = {
    // Worked examples.
    {"If a<b Then m=a; Else m=b;", false, "ifdo(a<b)m=a;elsed:m=b;d_a_l:pusto();"},
    {"Если (a<b) Тогда (m=a; ) Иначе (m=b; )", true, "ifdo(a<b)(m=a;)elsed:(m=b;)d_a_l:pusto();"},
    {"k=k+1; If k<a Then Go to begin;", false, "k=k+1;ifdo(k<a)gotodopol(begin);d_a_l:pusto();"},
    {"x=Random", false, "x=rnddopoln();"},
    {"Цвет линий=Красный", true, "coloroflines=red;"},
    // Then- and else-parts.
    {"If a<b Then\r\nx=1;\r\ny=2;", false, "ifdo(a<b)d_a_l:pusto();\r\nx=1;\r\ny=2;"},
    {"If a<b Then x=1;\r\nElse y=2; z=3;\r\nw=4;", false,
     "ifdo(a<b)x=1;\r\nelsed:y=2;z=3;d_a_l:pusto();\r\nw=4;"},
    {"If a<b Then x=1; y=2;\r\nz=3;", false, "ifdo(a<b)x=1;y=2;d_a_l:pusto();\r\nz=3;"},
    {"If a Then x=1;", false, "ifdo(a)x=1;d_a_l:pusto();"},
    {"If a Then If b Then x=1; Else y=1;\r\nz=1;", false,
     "ifdo(a)ifdo(b)x=1;elsed:y=1;d_a_l:pusto();d_a_l:pusto();\r\nz=1;"},
    {"If a Then (If b Then (x=1;) Else (y=1;)) Else (z=1;)", false,
     "ifdo(a)(ifdo(b)(x=1;)elsed:(y=1;)d_a_l:pusto();)elsed:(z=1;)d_a_l:pusto();"},
    // The ')' right after a nested else-group closes the enclosing then-part.
    {"If a Then (If b Then (x=1;) Else (y=1;))\r\nz=1;", false,
     "ifdo(a)(ifdo(b)(x=1;)elsed:(y=1;)d_a_l:pusto();)d_a_l:pusto();\r\nz=1;"},
    {"If a Then (If b Then x=1;\r\n) Else (z=1;)", false,
     "ifdo(a)(ifdo(b)x=1;d_a_l:pusto();)elsed:(z=1;)d_a_l:pusto();"},
    // A then-part ends at its line end even when the enclosing group closes within the next
    // six characters: the statements in between stay unconditional, whatever their length.
    {"If b Then (If a Then x=1;\r\ny=2;)\r\nz=3;", false,
     "ifdo(b)(ifdo(a)x=1;d_a_l:pusto();\r\ny=2;)d_a_l:pusto();\r\nz=3;"},
    {"If b Then (If a Then x=1;\r\nyyyyy=2;)\r\nz=3;", false,
     "ifdo(b)(ifdo(a)x=1;d_a_l:pusto();\r\nyyyyy=2;)d_a_l:pusto();\r\nz=3;"},
    {"(If a Then (x=1;))", false, "ifdo(a)(x=1;)d_a_l:pusto();;"},
    {"Иначе x=1;", true, "elsed:x=1;"},
    // Goto and random.
    {"Переход на Начало\r\nk=1;", true, "gotodopol(начало;\r\nk=1);"},
    {"GO TO m;\r\nm: x=Random*2", false, "gotodopol(m);\r\nm:x=rnddopoln()*2;"},
    {"x=Случайное+случайное", true, "x=rnddopoln()+rnddopoln();"},
    // Words, connectives and spaces.
    {"x = Целая(3.5)", true, "x=int(3.5);"},
    {"Если a=b Тогда x=1;", true, "ifdo(a$b)x=1;d_a_l:pusto();"},
    {"If a=b and c<=d or e=>f Then x=a<>b;", false, "ifdo(a$b&c{d|e}f)x=a~b;d_a_l:pusto();"},
    {"If 1or2 Then x=1;", false, "ifdo(1|2)x=1;d_a_l:pusto();"},
    {"Если a или b и c Тогда x=1;", true, "ifdo(a|b&c)x=1;d_a_l:pusto();"},
    {"Если вилка=1 Тогда x=2;", true, "ifdo(вилка$1)x=2;d_a_l:pusto();"},
    {"Line to(1,2); Move To(3,4); Width of lines=2", false, "lineto(1,2);moveto(3,4);widthoflines=2;"},
    {"Линия до(1,2); Перо в(3,4); Толщина линий=2; Цвет заполнения=Жёлтый", true,
     "lineto(1,2);moveto(3,4);widthoflines=2;coloroffilling=yellow;"},
    {"Прямоугольник(0,0,Корень(Модуль(a)),Знак(b)); Цвет линий=Синий", true,
     "rectangle(0,0,sqroot(abs(a)),sgn(b));coloroflines=darkblue;"},
    {"Синийцвет=Белый+серыйx", true, "синийцвет=white+серыйx;"},
    {"Точка(x,y,Цвет(x,y)); Закрашивание(1,2,3); Овал(1,2,3,4); Круг(1,2,3); Отрезок(1,2,3,4); "
     "q=Остаток(7,2)", true,
     "point(x,y,color(x,y));painting(1,2,3);ellipse(1,2,3,4);circle(1,2,3);line(1,2,3,4);q=remainder(7,2);"},
    {"Ход(1,2)", true, "ход(1,2);"},
    // Comparison chains.
    {"If a<b<c Then x=1;", false, "ifdo(a<b&b<c)x=1;d_a_l:pusto();"},
    {"If a<b<c<d Then x=1;", false, "ifdo(a<b&b<c&c<d)x=1;d_a_l:pusto();"},
    {"If a<b or c<d<e Then x=1;", false, "ifdo(a<b|c<d&d<e)x=1;d_a_l:pusto();"},
    {"If a<(b+1)<=c Then x=1;", false, "ifdo(a<(b+1)&(b+1){c)x=1;d_a_l:pusto();"},
    {"If (a<b)<c Then x=1;", false, "ifdo((a<b)<c)x=1;d_a_l:pusto();"},
    {"x=f(a<b,c<d)", false, "x=f(a<b,c<d);"},
    {"x=a<f(b<c<d)", false, "x=a<f(b<c&c<d);"},
    // The board game's words.
    // Whole words are matched after the blanks are gone: "пустая" needs a separator after it.
    {"Если Клетка(x,y)=(Пустая) Тогда Ход(x,y); z=Крестик+Нолик+Остаток(7,2);", true,
     "ifdo(square(x,y)$(empty))move(x,y);z=tit+tat+remainder(7,2);d_a_l:pusto();", VocabularyKind::Board},
    {"Цвет линий=Красный", true, "цветлиний=красный;", VocabularyKind::Board},
};

INSTANTIATE_TEST_SUITE_P(Examples, KeywordReaderTest, ::testing::ValuesIn(kReadCases));

struct ReadFailure {
    const char* editor;
    bool russian;
    int code;
};

class KeywordReaderFailureTest : public ::testing::TestWithParam<ReadFailure> {};

TEST_P(KeywordReaderFailureTest, StopsWithTheCode) {
    const ReadFailure& c = GetParam();
    WorkText text;
    EXPECT_EQ(TranslateEditorText(text, cp(c.editor), c.russian ? ReadZoltRussian : ReadZoltEnglish,
                                  VocabularyKind::Painter),
              c.code)
        << shown(text);
}

std::string repeated(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

const std::string kTenNestedBlocks = repeated("If a Then ", 10) + "x=1;";
const std::string kThirteenNestedConditions = repeated("If ", 13) + "a" + repeated(" Then", 13) + " x=1;";

const ReadFailure kReadFailures[] = {
    {"Тогда", true, 40},
    {"x=1; Then y=2;", false, 40},
    {"x=(a)(b)", false, 56},
    {"diff=1", false, 30},
    {"If a Then x=1; Else y=1; Else z=1;", false, 50},
    {"(If a) Then (x=1;)", false, 30},
    {"If a<b x=1;", false, 30},
    {"Если a<b Тогда x=1; Иначе y=2", true, 52},
    {kTenNestedBlocks.c_str(), false, kTooManyIfBlocks},
    {kThirteenNestedConditions.c_str(), false, kConditionsTooDeep},
};

INSTANTIATE_TEST_SUITE_P(Codes, KeywordReaderFailureTest, ::testing::ValuesIn(kReadFailures));

TEST(KeywordReaderBlocks, StatementAfterAThenLineRunsUnconditionally) {
    for (const char* y : {"y", "yyyyy"}) {
        Engine engine(VocabularyKind::Painter);
        WorkText text;
        const std::string editor = std::string("If b Then (If a Then x=1;\r\n") + y + "=2;)";
        ASSERT_EQ(IntakeEditorText(text, editor, ReadZoltEnglish, engine), 0) << shown(text);
        engine.cell("b") = 1;
        engine.RunProgram(engine.entryInstruction());
        EXPECT_EQ(engine.cell("x"), 0) << y;
        EXPECT_EQ(engine.cell(y), 2) << y;
    }
}

TEST(KeywordReaderLimits, NineNestedBlocksCompileAndRun) {
    Engine engine(VocabularyKind::Painter);
    WorkText text;
    ASSERT_EQ(IntakeEditorText(text, repeated("If a Then ", 9) + "x=1;", ReadZoltEnglish, engine), 0) << shown(text);
    engine.cell("a") = 1;
    engine.RunProgram(engine.entryInstruction());
    EXPECT_EQ(engine.cell("x"), 1);
}

TEST(KeywordReaderLimits, TwelveNestedConditionsPassTheCheck) {
    EXPECT_EQ(CheckIfNesting(repeated("ifdo", 12) + "a" + repeated("thend", 12)), 0);
    EXPECT_EQ(CheckIfNesting(repeated("ifdo", 13) + "a" + repeated("thend", 13)), kConditionsTooDeep);
}

TEST(KeywordReaderLimits, DeepConditionsAndLongChainsNeverOverrun) {
    // Long operands and deep parentheses are only text: no buffer limit applies to them.
    const std::string longName(5000, 'q');
    WorkText text;
    const std::string editor = "If " + repeated("(", 200) + "a" + repeated(")", 200) + "<" + longName + "<c Then x=1;";
    ASSERT_EQ(TranslateEditorText(text, editor, ReadZoltEnglish, VocabularyKind::Painter), 0);
    EXPECT_NE(text.find("<" + longName + "&" + longName + "<c"), std::string::npos);
}

// The steps as other translators call them one by one.
TEST(KeywordReaderSteps, CanBeCalledOneByOne) {
    WorkText text = " x or y and z";
    ReplaceConnectives(text, false);
    EXPECT_EQ(text, " x | y & z");

    text = cp(" ж or жandж");
    ReplaceConnectives(text, false, isLatinLowerLetter);
    EXPECT_EQ(shown(text), shown(cp(" ж | ж&ж")));

    EXPECT_EQ(CheckCallAfterParenthesis("f(a)(b)"), 56);
    EXPECT_EQ(CheckCallAfterParenthesis("f(a)+(b)"), 0);

    text = "ifa=bthenx=1elsegotom;y=random";
    ReplaceKeywords(text, false);
    EXPECT_EQ(text, "ifdoa=bthendx=1elsedgotodopolm;y=rnddopoln");
    MarkEqualityInConditions(text);
    EXPECT_EQ(text, "ifdoa$bthendx=1elsedgotodopolm;y=rnddopoln");

    text = "a<>b><c=>d";
    ReplaceTwoCharacterComparisons(text);
    EXPECT_EQ(text, "a~b~c}d");

    text = "\r\nifdoathendx=1;\r\n";
    EXPECT_EQ(BuildIfBlocks(text), 0);
    EXPECT_EQ(text, "\r\nifdo(a)x=1;d_a_l:pusto();\r\n");

    text = "gotodopolm;x=rnddopoln+rnddopoln(2);y=a<b<c;";
    FinishReading(text);
    EXPECT_EQ(text, "gotodopol(m);x=rnddopoln()+rnddopoln(2);y=a<b&b<c;");

    text = "x=rnddopoln()";
    CompleteRandomCalls(text, true);
    EXPECT_EQ(text, "x=rnddopoln()()");

    text = "gotodopolm";
    CloseGotoArguments(text);
    EXPECT_EQ(text, "gotodopol(m");
}

}  // namespace
}  // namespace zolt::syntax
