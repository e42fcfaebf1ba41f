// The five writers against the worked examples and edge cases of their rules, for the painter's
// and the board game's vocabularies.
#include <gtest/gtest.h>

#include "syntax_test_text.h"
#include "writers.h"

namespace zolt::syntax {
namespace {

using test::cp;
using test::shown;
using zolt::VocabularyKind;

constexpr int kRussian = 0, kEnglish = 1, kBasic = 2, kPascal = 3, kCpp = 4;

struct WriterCase {
    const char* internal;  // UTF-8
    int syntax;
    const char* expected;  // UTF-8
    VocabularyKind vocabulary = VocabularyKind::Painter;
};

const char* const kSquare = "ifdo(a<b)m=a;elsed:m=b;d_a_l:pusto();\r\nrectangle(0,0,m,m);\r\n";
const char* const kLoopEnd = "k=k+1;ifdo(k<a)gotodopol(begin);d_a_l:pusto();\r\n";
const char* const kPlain = "x=1;y=2;\r\n";
const char* const kRandomRoot = "z=rnddopoln()*sqroot(2);\r\n";
const char* const kCondition = "q=a~0&b}1|c{2;\r\n";
const char* const kPencil = "lineto(a,b);\r\n";
const char* const kNegative = "point(x,y,white-color(x,y));\r\n";

const WriterCase kWorkedExamples[] = {
    {kSquare, kEnglish, " If (a<b) Then (m=a; ) Else (m=b; ) \r\n Rectangle(0,0,m,m); "},
    {kSquare, kRussian, " Если (a<b) Тогда (m=a; ) Иначе (m=b; ) \r\n Прямоугольник(0,0,m,m); "},
    {kSquare, kBasic, "IF (a<b) THEN \r\nm=a\r\n ELSE \r\nm=b\r\nEnd IF\r\n Rectangle(0,0,m,m)"},
    {kSquare, kPascal,
     "Begin\r\nif (a<b) then  Begin  m:=a;  end  else  Begin  m:=b end ; \r\n Rectangle(0,0,m,m); \r\nEnd."},
    {kSquare, kCpp, "if (a<b) { m=a; } else { m=b; } \r\n Rectangle(0,0,m,m); "},
    {kLoopEnd, kRussian, "k=k+1; Если (k<a) Тогда ( Переход на Начало; ) "},
    {kLoopEnd, kPascal, "Begin\r\nk:=k+1; if (k<a) then  Begin  goto Label__1 end ; \r\nEnd."},
    {kLoopEnd, kCpp, "k++; if (k<a) {  goto begin; } "},
    // A program without if, goto and built-ins.
    {kPlain, kEnglish, "x=1; y=2; "},
    {kPlain, kRussian, "x=1; y=2; "},
    {kPlain, kCpp, "x=1; y=2; "},
    {kPlain, kBasic, "x=1: y=2"},
    {kPlain, kPascal, "Begin\r\nx:=1; y:=2; \r\nEnd."},
    // Random numbers and square roots.
    {kRandomRoot, kEnglish, "z=Random*sqroot(2); "},
    {kRandomRoot, kRussian, "z=Случайное* Корень(2); "},
    {kRandomRoot, kBasic, "z=Random()*sqr(2)"},
    {kRandomRoot, kPascal, "Begin\r\nz:=Random()*sqrt(2); \r\nEnd."},
    {kRandomRoot, kCpp, "z=Random()*sqrt(2); "},
    // Comparisons and connectives.
    {kCondition, kEnglish, "q=a<>0  and b>=1  or c<=2; "},
    {kCondition, kBasic, "q=a<>0  and b>=1  or c<=2"},
    {kCondition, kPascal, "Begin\r\nq:=a<>0 and b>=1 or c<=2; \r\nEnd."},
    {kCondition, kCpp, "q=a!=0 && b>=1 || c<=2; "},
    // Increments and compound assignments; a multiplication by 1 disappears.
    {"x=x+1;x=x*1;y=y/2;\r\n", kCpp, "x++; y/=2; "},
    {"x=x-1+y;\r\n", kCpp, "x-=1+y; "},
    {"x=x-1;\r\nw=w*3;\r\n", kCpp, "x--; \r\nw*=3; "},
    // Pascal's block words are renamed wherever they stand.
    {"end=1;begin:end=end+1;\r\n", kPascal, "Begin\r\nLabel__2:=1; Label__1: Label__2:=Label__2+1; \r\nEnd."},
    // A goto outside every if-block: nothing ends it in Basic.
    {"m:x=x+1;gotodopol(m);y=2;\r\n", kBasic, "m: \r\nx=x+1: GOTO m: y=2"},
    // Inside an if-block the GOTO is followed by a line break and "End IF".
    {kLoopEnd, kBasic, "k=k+1: IF (k<a) THEN \r\n GOTO begin\r\nEnd IF"},
    // Three records of the default library.
    {kPencil, kRussian, " Линия до(a,b); "},
    {kPencil, kBasic, " LineTo(a,b)"},
    {kPencil, kPascal, "Begin\r\n LineTo(a,b); \r\nEnd."},
    {kPencil, kCpp, " LineTo(a,b); "},
    {kNegative, kRussian, " Точка(x,y,белый- Цвет(x,y)); "},
    {kNegative, kBasic, " Point(x,y,white- Color(x,y))"},
    {kNegative, kPascal, "Begin\r\n Point(x,y,white- Color(x,y)); \r\nEnd."},
    {kNegative, kCpp, " Point(x,y,white- Color(x,y)); "},
    // Russian colour, pen and brush words, also at the very start of a program.
    {"coloroflines=red;widthoflines=2;coloroffilling=darkblue;\r\n", kRussian,
     "Цвет линий=красный; Толщина линий=2; Цвет заполнения=синий; "},
    {"redx=red;\r\n", kRussian, "redx=красный; "},
    // The board game: its two calls, its marks, and "Random" without parentheses.
    {"ifdo(square(x,y)$empty)move(x,y);d_a_l:pusto();\r\n", kRussian,
     " Если ( Клетка(x,y)=пустая) Тогда ( Ход(x,y); ) ", VocabularyKind::Board},
    {"f=tit;g=-tat;\r\n", kRussian, "f=крестик; g=-нолик; ", VocabularyKind::Board},
    {"ifdo(square(x,y)$empty)move(x,y);d_a_l:pusto();\r\n", kEnglish,
     " If ( Square(x,y)=empty) Then ( Move(x,y); ) ", VocabularyKind::Board},
    {kRandomRoot, kBasic, "z=Random*sqr(2)", VocabularyKind::Board},
    {kRandomRoot, kPascal, "Begin\r\nz:=Random*sqrt(2); \r\nEnd.", VocabularyKind::Board},
    {kRandomRoot, kCpp, "z=Random()*sqroot(2); ", VocabularyKind::Board},
    // Graphics are no built-ins of the board game; colour names are ordinary names there.
    {"line(0,0,1,1);c=white;\r\n", kRussian, "line(0,0,1,1); c=white; ", VocabularyKind::Board},
};

TEST(Writers, WorkedExamplesAndEdgeCases) {
    for (const WriterCase& c : kWorkedExamples) {
        const std::string out = writeSurface(c.syntax, cp(c.internal), c.vocabulary);
        EXPECT_EQ(shown(out), shown(cp(c.expected))) << "syntax " << c.syntax << " of " << shown(cp(c.internal));
    }
}

TEST(Writers, NestedGroupsStayInsideTheThenPart) {
    const std::string internal = cp("ifdo(c)((a=1;)(b=2;))d_a_l:pusto();\r\n");
    EXPECT_EQ(shown(writeSurface(kPascal, internal, VocabularyKind::Painter)),
              shown(cp("Begin\r\nif (c) then   Begin  Begin a:=1 end  Begin b:=2 end  end ; \r\nEnd.")));
    EXPECT_EQ(shown(writeSurface(kCpp, internal, VocabularyKind::Painter)),
              shown(cp("if (c)  {{a=1; }{b=2; } } ")));
}

TEST(Writers, ADoubledGroupCollapsesIntoTheBlock) {
    const std::string internal = cp("ifdo(c)(a=1;b=2;)d_a_l:pusto();\r\n");
    EXPECT_EQ(shown(writeSurface(kCpp, internal, VocabularyKind::Painter)), shown(cp("if (c)  {a=1; b=2; } ")));
    EXPECT_EQ(shown(writeSurface(kPascal, internal, VocabularyKind::Painter)),
              shown(cp("Begin\r\nif (c) then   Begin a:=1; b:=2 end ; \r\nEnd.")));
}

TEST(Writers, WriteNoForbiddenLibraryCharacters) {
    // The library file delimits records with these; no writer may produce them.
    const std::string internal = cp(kSquare) + cp(kLoopEnd) + cp("ifdo(c)((a=1;)(b=2;))d_a_l:pusto();\r\n");
    for (int syntax = 0; syntax < 5; ++syntax)
        for (VocabularyKind v : {VocabularyKind::Painter, VocabularyKind::Board}) {
            const std::string out = writeSurface(syntax, internal, v);
            EXPECT_EQ(out.find_first_of("#@[]"), std::string::npos) << syntax;
        }
}

TEST(Writers, TheIntakesLeadingLineBreakMakesNoDifference) {
    // The intake leaves a line break in front of the program; the library stores it without.
    for (const char* internal : {kSquare, kLoopEnd, kNegative, "coloroflines=red;\r\n", "m:x=x+1;gotodopol(m);y=2;\r\n"})
        for (int syntax = 0; syntax < 5; ++syntax)
            EXPECT_EQ(shown(writeSurface(syntax, "\r\n" + cp(internal), VocabularyKind::Painter)),
                      shown(writeSurface(syntax, cp(internal), VocabularyKind::Painter)))
                << syntax << " " << internal;
}

TEST(Writers, AnUnknownSyntaxIndexLeavesTheTextAlone) {
    EXPECT_EQ(writeSurface(-1, "x=1;\r\n", VocabularyKind::Painter), "x=1;\r\n");
    EXPECT_EQ(writeSurface(5, "x=1;\r\n", VocabularyKind::Painter), "x=1;\r\n");
}

TEST(Writers, EmptyProgramStaysEmpty) {
    for (int syntax = 0; syntax < 5; ++syntax) {
        const std::string out = writeSurface(syntax, "", VocabularyKind::Painter);
        EXPECT_EQ(out, syntax == kPascal ? "Begin\r\n\r\nEnd." : "") << syntax;
    }
}

}  // namespace
}  // namespace zolt::syntax
