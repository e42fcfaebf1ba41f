// The highlighting analysis: canonical keywords, bold spans, red called names and DrawMode.
#include <gtest/gtest.h>

#include "highlighting.h"
#include "program_corpus.h"
#include "syntax_test_text.h"
#include "syntaxes.h"
#include "writers.h"

namespace zolt::syntax {
namespace {

using test::cp;
using test::shown;

Highlighting analyse(const char* utf8, int syntax, VocabularyKind vocabulary = VocabularyKind::Painter) {
    auto result = ComputeHighlighting(cp(utf8), syntax, vocabulary);
    EXPECT_TRUE(result.has_value());
    return result.value_or(Highlighting{});
}

struct SpellingCase {
    const char* editor;    // UTF-8
    int syntax;
    const char* expected;  // UTF-8
    std::vector<TextRange> bold;
};

class HighlightSpellingTest : public ::testing::TestWithParam<SpellingCase> {};

TEST_P(HighlightSpellingTest, WritesCanonicalKeywordsInBold) {
    const SpellingCase& c = GetParam();
    const Highlighting h = analyse(c.editor, c.syntax);
    EXPECT_EQ(shown(h.text), shown(cp(c.expected)));
    EXPECT_EQ(h.text.size(), cp(c.editor).size());
    EXPECT_EQ(h.bold, c.bold);
}

const SpellingCase kSpellingCases[] = {
    {"if a<b then x=1", kZoltEnglish, "If a<b Then x=1", {{1, 2}, {8, 4}}},
    {"go   to m", kZoltEnglish, "Go to   m", {{1, 5}}},
    {"GOTO m", kZoltEnglish, "Goto m", {{1, 4}}},
    {"diff", kZoltEnglish, "dIff", {{2, 2}}},
    {"i f x", kZoltEnglish, "If  x", {{1, 2}}},
    {"x=\"if\" if", kZoltEnglish, "x=\"if\" If", {{8, 2}}},
    {"x=RANDOM", kZoltEnglish, "x=Random", {{3, 6}}},
    {"ЕСЛИ a ТОГДА b ИНАЧЕ c", kZoltRussian, "Если a Тогда b Иначе c", {{1, 4}, {8, 5}, {16, 5}}},
    {"переход на м; ПЕРЕХОДНА к", kZoltRussian, "Переход на м; Переходна к", {{1, 10}, {15, 9}}},
    {"x=случайное", kZoltRussian, "x=Случайное", {{3, 9}}},
    {"end if", kBasic, "End IF", {{5, 2}, {1, 6}}},
    {"If a Then b Else c: EndIf: Goto m", kBasic, "IF a THEN b ELSE c: EndIF: GOTO m",
     {{1, 2}, {24, 2}, {6, 4}, {13, 4}, {28, 4}, {21, 5}}},
    {"BEGIN x:=1; End", kPascal, "Begin x:=1; End", {{1, 5}, {13, 3}}},
    {"x:=1; BEGIN y:=2; END; z:=3; end", kPascal, "x:=1; begin y:=2; end; z:=3; End",
     {{7, 5}, {19, 3}, {30, 3}}},
    {"IF (a) GOTO m; ELSE x", kCpp, "if (a) goto m; else x", {{8, 4}, {16, 4}, {1, 2}}},
    {"if x", -1, "if x", {}},
};

INSTANTIATE_TEST_SUITE_P(Syntaxes, HighlightSpellingTest, ::testing::ValuesIn(kSpellingCases));

struct RedCase {
    const char* editor;  // UTF-8
    int syntax;
    std::vector<TextRange> red;
    VocabularyKind vocabulary = VocabularyKind::Painter;
};

class HighlightRedNameTest : public ::testing::TestWithParam<RedCase> {};

TEST_P(HighlightRedNameTest, MarksUnknownCalledNames) {
    const RedCase& c = GetParam();
    EXPECT_EQ(analyse(c.editor, c.syntax, c.vocabulary).red, c.red) << c.editor;
}

const RedCase kRedCases[] = {
    {"foo(1)", kZoltEnglish, {{1, 3}}},
    {"x=Line to(1,2)+ bar (3)", kZoltEnglish, {{16, 5}}},
    {"Линия до(1,2); Сдвиг(1)", kZoltRussian, {{15, 6}}},
    {"Линия до(1,2)", kZoltEnglish, {{1, 8}}},
    {"x=sqr(2)+sqrt(2)", kBasic, {{10, 4}}},
    {"x=sqr(2)+sqrt(2)", kPascal, {{3, 3}}},
    {"x=sqr(2)+sqrt(2)", kCpp, {{3, 3}}},
    // Keywords and connectives are separators, never called names.
    {"x=a or (b)", kZoltEnglish, {}},
    {"x=a or (b)", kCpp, {{3, 5}}},
    {"x=a или (b)", kZoltRussian, {}},
    {"begin(x)", kPascal, {}},
    {"x=f()+()", kZoltEnglish, {{3, 1}}},
    // The red stretch starts just after the previous separator, blanks included.
    {"Ход(1,2); Клетка(1,2); line(1,2,3,4)", kZoltRussian, {{23, 5}}, VocabularyKind::Board},
    {"move(1,2); square(1,2)", kZoltEnglish, {}, VocabularyKind::Board},
};

INSTANTIATE_TEST_SUITE_P(Names, HighlightRedNameTest, ::testing::ValuesIn(kRedCases));

TEST(HighlightDrawMode, IsSetByDrawingCallsOnly) {
    EXPECT_EQ(analyse("Отрезок(1,2,3,4)", kZoltRussian).drawMode, 'n');
    EXPECT_EQ(analyse("line(1,2,3,4)", kZoltEnglish).drawMode, 'n');
    EXPECT_EQ(analyse("Line To(1,2)", kCpp).drawMode, 'n');
    EXPECT_EQ(analyse("point(x,y,color(x,y))", kZoltEnglish).drawMode, 'b');
    EXPECT_EQ(analyse("Точка(x,y,Цвет(x,y))", kZoltRussian).drawMode, 'b');
    EXPECT_EQ(analyse("x=1", kZoltEnglish).drawMode, 'b');
    // Russian graphics words count only in Zolt Russian, where they are known.
    EXPECT_EQ(analyse("Отрезок(1,2,3,4)", kZoltEnglish).drawMode, 'b');
    EXPECT_EQ(analyse("line(1,2,3,4)", kZoltEnglish, VocabularyKind::Board).drawMode, 'b');
}

// In each of the five surface texts of every stored program, the highlighting finds the draw
// mode stored with it and no unknown called name.
TEST(HighlightStoredPrograms, DrawModeAndKnownNamesMatchTheLibraries) {
    int checked = 0;
    for (const corpus::Program& program : corpus::load()) {
        if (program.syntax >= 0) continue;
        for (int syntax = 0; syntax < kSyntaxCount; ++syntax) {
            const std::string surface = writeSurface(syntax, program.text, program.vocabulary);
            const auto found = ComputeHighlighting(surface, syntax, program.vocabulary);
            ASSERT_TRUE(found.has_value());
            if (program.vocabulary == VocabularyKind::Painter) {
                EXPECT_EQ(found->drawMode, program.drawMode) << program.header << " in syntax " << syntax;
            }
            EXPECT_EQ(found->red, std::vector<TextRange>{}) << program.header << " in syntax " << syntax << ": "
                                                            << shown(surface);
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

TEST(HighlightSpans, KeepTheFirst299AndTheLast) {
    std::string text;
    for (int i = 0; i < 305; ++i) text += "if ";
    const Highlighting h = analyse(text.c_str(), kZoltEnglish);
    ASSERT_EQ(h.bold.size(), kMaxKeywordSpans);
    EXPECT_EQ(h.bold[0], (TextRange{1, 2}));
    EXPECT_EQ(h.bold[298], (TextRange{1 + 298 * 3, 2}));
    EXPECT_EQ(h.bold[299], (TextRange{1 + 304 * 3, 2}));
}

TEST(HighlightPauses, OfferedEvery200CharactersAndCanAbandonThePass) {
    const std::string shortText(198, 'x');  // the name scan also sees one appended blank
    int calls = 0;
    auto count = [&] {
        ++calls;
        return true;
    };
    EXPECT_TRUE(ComputeHighlighting(shortText, kZoltEnglish, VocabularyKind::Painter, count).has_value());
    EXPECT_EQ(calls, 0);

    const std::string longText(450, 'x');
    calls = 0;
    EXPECT_TRUE(ComputeHighlighting(longText, kCpp, VocabularyKind::Painter, count).has_value());
    // Three keyword scans and the name scan (which also sees the appended blank), two pauses each.
    EXPECT_EQ(calls, 8);

    int allowed = 3;
    auto typing = [&] { return --allowed > 0; };
    EXPECT_FALSE(ComputeHighlighting(longText, kZoltEnglish, VocabularyKind::Painter, typing).has_value());
    EXPECT_EQ(allowed, 0);
}

}  // namespace
}  // namespace zolt::syntax
