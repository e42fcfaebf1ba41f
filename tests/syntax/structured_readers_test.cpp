// The Basic, Pascal and C++ readers inside the whole intake, against the worked examples and
// edge cases of their rules.
#include <gtest/gtest.h>

#include "intake.h"
#include "keyword_reader.h"
#include "structured_readers.h"
#include "syntax_test_text.h"

namespace zolt::syntax {
namespace {

using test::cp;
using test::shown;

struct ReaderCase {
    Reader reader;
    const char* editorText;  // UTF-8
    int code;
    const char* internal;  // UTF-8, without the line breaks the intake puts at both ends
};

const ReaderCase kCases[] = {
    // Worked examples.
    {ReadBasic, "IF (a<b) THEN\r\nm=a\r\n ELSE \r\nm=b\r\nEnd IF\r\n Rectangle(0,0,m,m)", 0,
     "ifdo(a<b)(;\r\nm=a)elsed:(;\r\nm=b;)d_a_l:pusto();\r\nrectangle(0,0,m,m);"},
    {ReadPascal,
     "Begin\r\nif (a<b) then  Begin  m:=a;  end  else  Begin  m:=b end ; \r\n Rectangle(0,0,m,m); \r\nEnd.", 0,
     "ifdo(a<b)(m=a;)elsed:(m=b;)d_a_l:pusto();\r\nrectangle(0,0,m,m);"},
    {ReadCpp, "k++; if (k<a) {  goto begin; } ", 0, "k=k+1;ifdo(k<a)(gotodopol(begin);)d_a_l:pusto();"},
    // Basic: line numbers, one-line IFs, random numbers.
    {ReadBasic, "10 x=1\r\n20 x=2", 0, "10:x=1;\r\n20:x=2;"},
    {ReadBasic, "10: x=1", 0, "10:x=1;"},
    {ReadBasic, "IF a<b THEN x=1 ELSE y=2\r\nz=3", 0, "ifdo(a<b)(x=1)elsed:(y=2)d_a_l:pusto();z=3;"},
    {ReadBasic, "IF a<b THEN IF c<d THEN x=1\r\ny=2", 0,
     "ifdo(a<b)(ifdo(c<d)(x=1)d_a_l:pusto();)d_a_l:pusto();y=2;"},
    {ReadBasic, "IF a=b AND c<>d THEN x=1\r\n", 0, "ifdo(a$b&c~d)(x=1)d_a_l:pusto();"},
    {ReadBasic, "x=Random", 0, "x=rnddopoln();"},
    {ReadBasic, "x=RND(1)", 0, "x=rnddopoln(1);"},
    {ReadBasic, "x=SQR(4): y=2", 0, "x=sqroot(4);y=2;"},
    {ReadBasic, "IF a<b THEN\r\n GOTO m\r\nEnd IF\r\nm: y=2", 0,
     "ifdo(a<b)(;\r\ngotodopol(m);)d_a_l:pusto();\r\nm:y=2;"},
    {ReadBasic, "x=x+1: GOTO m: y=2", 52, nullptr},
    {ReadBasic, "x=(a)(b)", 56, nullptr},
    {ReadBasic, "THEN x=1", 40, nullptr},
    {ReadBasic, "IF a<b THEN\r\nx=1", kBlockIfWithoutEndIf, nullptr},
    // An IF whose part ends the text is closed all the same.
    {ReadBasic, "IF a<b THEN x=1", 0, "ifdo(a<b)(x=1)d_a_l:pusto();"},
    {ReadPascal, "if a<b then begin x:=1 end", 0, "ifdo(a<b)(x=1;)d_a_l:pusto();"},
    {ReadPascal, "if a<b then x:=1", 0, "ifdo(a<b)(x=1)d_a_l:pusto();"},
    {ReadCpp, "if (a<b) x=1", 0, "ifdo(a<b)(x=1)d_a_l:pusto();"},
    {ReadCpp, "if (a<b) {x=1;}", 0, "ifdo(a<b)(x=1;)d_a_l:pusto();"},
    // Pascal.
    {ReadPascal, "if a=b then x:=1;", 0, "ifdo(a$b)(x=1;)d_a_l:pusto();"},
    {ReadPascal, "if a<b then x:=1; else x:=2;", 0, "ifdo(a<b)(x=1;)elsed:(x=2;)d_a_l:pusto();"},
    {ReadPascal, "if a<b then x:=1 else x:=2;", 52, nullptr},
    {ReadPascal, "legend:=1;", 20, nullptr},
    {ReadPascal, "begin x:=1;", 25, nullptr},
    {ReadPascal, "x:=sqrt(4) ; y:=a>=b or a<=b", 0, "x=sqroot(4);y=a}b|a{b"},
    // C++.
    {ReadCpp, "if (a<b) x=1; else x=2;", 0, "ifdo(a<b)(x=1;)elsed:(x=2;)d_a_l:pusto();"},
    {ReadCpp, "x-=1+y;", 0, "x=x-1+y;"},
    {ReadCpp, "p+=0.5; q*=2; r/=4; s--;", 0, "p=p+0.5;q=q*2;r=r/4;s=s-1;"},
    {ReadCpp, "if (a==b || c!=d && e>=f) { x=1; }", 0, "ifdo(a$b|c~d&e}f)(x=1;)d_a_l:pusto();"},
    {ReadCpp, "} x=1; {", 20, nullptr},
    {ReadCpp, "{ x=1;", 25, nullptr},
    {ReadCpp, "++x;", kIncrementWithoutName, nullptr},
    // The reader's own intermediate word inside a name: the block cannot be closed.
    {ReadCpp, "if a<b then x=1 : zthend=2", kIfBlockLeftOpen, nullptr},
};

TEST(StructuredReaders, WorkedExamplesAndEdgeCases) {
    for (const ReaderCase& c : kCases) {
        WorkText text;
        const int code = TranslateEditorText(text, cp(c.editorText), c.reader, VocabularyKind::Painter);
        EXPECT_EQ(code, c.code) << shown(cp(c.editorText)) << " -> " << shown(text);
        if (c.internal && code == 0) {
            while (text.starts_with("\r\n")) text.erase(0, 2);
            while (text.ends_with("\r\n")) text.resize(text.size() - 2);
            EXPECT_EQ(shown(text), shown(cp(c.internal))) << shown(cp(c.editorText));
        }
    }
}

TEST(StructuredReaders, ShareTheIfBlockLimit) {
    struct Nesting {
        Reader reader;
        std::string ifWord, statement;
    };
    const Nesting syntaxes[] = {{ReadBasic, "IF a THEN ", "x=1"}, {ReadPascal, "if a then ", "x:=1;"}, {ReadCpp, "if (a) ", "x=1;"}};
    for (const Nesting& n : syntaxes) {
        std::string deepest;
        for (int level = 1; level <= kMaxIfBlocks + 1; ++level) deepest += n.ifWord;
        const std::string allowed = deepest.substr(n.ifWord.size()) + n.statement;
        WorkText text;
        EXPECT_EQ(TranslateEditorText(text, allowed, n.reader, VocabularyKind::Painter), 0) << allowed;
        EXPECT_EQ(TranslateEditorText(text, deepest + n.statement, n.reader, VocabularyKind::Painter), kTooManyIfBlocks)
            << deepest;
    }
}

TEST(StructuredReaders, ABasicGotoEndingALineLeavesItsArgumentOpen) {
    // The label name of a GOTO runs to the next ';', which a line end does not supply: the
    // translated text keeps an unclosed parenthesis for the compiler to refuse.
    WorkText text;
    ASSERT_EQ(TranslateEditorText(text, "GOTO m\r\nx=1\r\nm: y=2", ReadBasic, VocabularyKind::Painter), 0);
    EXPECT_EQ(shown(text), shown("\r\ngotodopol(m;\r\nx=1;\r\nm:y=2;\r\n"));
    EXPECT_EQ(CheckParenthesisBalance(text), 25);
}

}  // namespace
}  // namespace zolt::syntax

namespace zolt::syntax {
namespace {

TEST(StructuredReaders, TheirOwnCodesHaveMessagesAndHelpTopics) {
    for (int code : {kBlockIfWithoutEndIf, kIncrementWithoutName, kIfBlockLeftOpen}) {
        const ErrorText text = describeError(code, {});
        EXPECT_FALSE(text.message.empty()) << code;
        EXPECT_EQ(text.helpTopic, 1000 + code);
    }
}

}  // namespace
}  // namespace zolt::syntax
