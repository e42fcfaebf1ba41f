// Arbitrary editor texts in every syntax end in a code of the intake or compile range, never in
// a crash or an out-of-bounds access (the sanitizer build runs this too).
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "engine.h"
#include "intake.h"
#include "syntax_test_text.h"
#include "syntaxes.h"

namespace zolt::syntax {
namespace {

// Pieces that exercise the keywords, block markers, labels and operators of all five syntaxes.
const char* const kPieces[] = {
    "if ", "then ", "else ", "goto ", "go to ", "random", "end if", "begin ", "end", "end.", "если ", "тогда ",
    "иначе ", "переход на ", "случайное", "(", ")", "((", "))", "{", "}", ";", ";;", ":", ":=", "=", "==", "<", ">",
    "<=", "<>", "!=", "++", "+=", "-", "*", "^", "&&", "||", " or ", " and ", " или ", " и ", ",", "\r\n", "\r\n",
    " ", "a", "b", "m", "10 ", "1.5", "x=1", "line(1,2,3,4)", "Отрезок(", "sqr(", "sqrt(", "rnd(", "?", "\"", "ё",
};

// Drops the closers that have no opener and closes what stays open, so that most texts get
// past the balance checks and into the readers.
std::string balanced(const std::string& text, char open, char close) {
    std::string out;
    int depth = 0;
    for (char c : text) {
        if (c == close && depth == 0) continue;
        if (c == open) ++depth;
        if (c == close) --depth;
        out += c;
    }
    return out + std::string(static_cast<size_t>(depth), close);
}

TEST(RandomEditorTexts, EndInADocumentedCode) {
    std::mt19937 generator(20261211);
    std::uniform_int_distribution<size_t> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> length(0, 40);
    for (int syntax = 0; syntax < kSyntaxCount; ++syntax) {
        std::set<int> codes;
        for (int round = 0; round < 1500; ++round) {
            std::string editor;
            for (int n = length(generator); n > 0; --n) editor += kPieces[piece(generator)];
            if (round % 4 != 0) editor = balanced(balanced(editor, '(', ')'), '{', '}');
            editor = test::cp(editor);
            Engine engine(VocabularyKind::Painter);
            WorkText text;
            const int code = IntakeEditorText(text, editor, readerForSyntax(syntax), engine);
            codes.insert(code);
            EXPECT_TRUE(code == 0 || (code >= 10 && code <= 99))
                << "syntax " << syntax << " code " << code << ": " << test::shown(editor);
        }
        // The texts reach the readers and the compiler, not only the balance check.
        EXPECT_TRUE(codes.count(0)) << "syntax " << syntax;
        EXPECT_GE(codes.size(), 6u) << "syntax " << syntax;
    }
}

}  // namespace
}  // namespace zolt::syntax
