// The text utilities and character classes every step of the syntax layer is built from.
#include <gtest/gtest.h>

#include "syntax_test_text.h"
#include "text_utils.h"

namespace zolt::syntax {
namespace {

using test::cp;
using test::shown;

struct UtilityCase {
    const char* name;
    const char* input;     // UTF-8
    void (*apply)(WorkText&);
    const char* expected;  // UTF-8
};

class TextUtilityTest : public ::testing::TestWithParam<UtilityCase> {};

TEST_P(TextUtilityTest, RewritesAsDescribed) {
    const UtilityCase& c = GetParam();
    WorkText text = cp(c.input);
    c.apply(text);
    EXPECT_EQ(shown(text), shown(cp(c.expected))) << c.name;
}

const UtilityCase kUtilityCases[] = {
    {"ReplaceAll left to right without overlap", "aaaa", [](WorkText& t) { ReplaceAll(t, "aa", "b"); }, "bb"},
    {"ReplaceAll odd run", "aaa", [](WorkText& t) { ReplaceAll(t, "aa", "b"); }, "ba"},
    {"ReplaceAll nothing found", "xyz", [](WorkText& t) { ReplaceAll(t, "q", "b"); }, "xyz"},
    {"ReplaceWord skips и inside или", "\r\nа или б и в",
     [](WorkText& t) { ReplaceWord(t, cp("и"), "&"); }, "\r\nа или б & в"},
    {"ReplaceWord never at position 1", "и б и",
     [](WorkText& t) { ReplaceWord(t, cp("и"), "&"); }, "и б &"},
    {"ReplaceWord digits are separators", " 1or2", [](WorkText& t) { ReplaceWord(t, "or", "|"); }, " 1|2"},
    {"ReplaceWord capitals and Cyrillic are not separators", " xor Or", [](WorkText& t) { ReplaceWord(t, "or", "|"); },
     " xor Or"},
    {"ReplaceWord Cyrillic neighbour", " жor", [](WorkText& t) { ReplaceWord(t, "or", "|"); }, " жor"},
    {"ReplaceWord at the very end", " a or", [](WorkText& t) { ReplaceWord(t, "or", "|"); }, " a |"},
    {"ReplaceWord with the lock game's Latin rule", " жorж",
     [](WorkText& t) { ReplaceWord(t, "or", "|", isLatinLowerLetter); }, " ж|ж"},
    {"DeleteAll", "pusto();x=1;pusto();", [](WorkText& t) { DeleteAll(t, "pusto();"); }, "x=1;"},
    {"BreakLineAfter inserts", "ab", [](WorkText& t) { BreakLineAfter(t, 1); }, "a\r\nb"},
    {"BreakLineAfter the last character", "ab", [](WorkText& t) { BreakLineAfter(t, 2); }, "ab\r\n"},
    {"BreakLineAfter not after LF", "a\r\nb", [](WorkText& t) { BreakLineAfter(t, 3); }, "a\r\nb"},
    {"BreakLineAfter not before CR", "a\r\nb", [](WorkText& t) { BreakLineAfter(t, 1); }, "a\r\nb"},
    {"BreakLineAfter position 0", "ab", [](WorkText& t) { BreakLineAfter(t, 0); }, "ab"},
    {"BreakLineAfter past the end", "ab", [](WorkText& t) { BreakLineAfter(t, 7); }, "ab"},
    {"TrimOuterLineBreaks one pair at each end", "\r\n\r\nx\r\n\r\n", TrimOuterLineBreaks, "\r\nx\r\n"},
    {"TrimOuterLineBreaks of a bare line break", "\r\n", TrimOuterLineBreaks, ""},
    {"TrimOuterLineBreaks leaves a lone CR", "\rx\r", TrimOuterLineBreaks, "\rx\r"},
    {"CollapseEmptyLines three empty lines", "a\r\n\r\n\r\n\r\nb", CollapseEmptyLines, "a\r\nb"},
    {"TidySemicolons space before", "a ;b", TidySemicolons, "a;b"},
    {"TidySemicolons line start", "a\r\n;b", TidySemicolons, "a;b"},
    {"TidySemicolons doubled", "a;;;b", TidySemicolons, "a;b"},
    {"TidySemicolons line starts over empty lines", "a\r\n\r\n;b", TidySemicolons, "a;b"},
    {"TidySemicolons closing brace", "a;\r\n}b", TidySemicolons, "a;}b"},
    {"PairToChar both orders", "a<=b=<c", [](WorkText& t) { PairToChar(t, '<', '=', '{'); }, "a{b{c"},
    {"PairToChar doubled character", "a||b|c|||d", [](WorkText& t) { PairToChar(t, '|', '|', '|'); }, "a|b|c||d"},
    {"PairToChar equality", "a==b", [](WorkText& t) { PairToChar(t, '=', '=', '$'); }, "a$b"},
    {"DoubleOperator", "a<b|c>d", [](WorkText& t) { DoubleOperator(t, '|'); }, "a<b ||c>d"},
    {"LowerCase Latin and Cyrillic, not Ё", "AbЯЁё", [](WorkText& t) { LowerCase(t); }, "abяЁё"},
    {"LowerCase Latin only", "AbЯ", [](WorkText& t) { LowerCase(t, true); }, "abЯ"},
    {"RemoveSpaces keeps other white space", "a b\tc\r\n d", RemoveSpaces, "ab\tc\r\nd"},
};

INSTANTIATE_TEST_SUITE_P(Utilities, TextUtilityTest, ::testing::ValuesIn(kUtilityCases));

TEST(TextPositions, CountFromOneAndReadZeroPastTheEnd) {
    const WorkText text = "abc";
    EXPECT_EQ(charAt(text, 1), 'a');
    EXPECT_EQ(charAt(text, 3), 'c');
    EXPECT_EQ(charAt(text, 4), '\0');
    EXPECT_EQ(charAt(text, 0), '\0');
    EXPECT_TRUE(endsAt(text, 3, "bc"));
    EXPECT_FALSE(endsAt(text, 1, "ab"));
    EXPECT_TRUE(startsAt(text, 2, "bc"));
    EXPECT_FALSE(startsAt(text, 3, "cd"));
    EXPECT_EQ(findFrom(text, "c", 1), 3);
    EXPECT_EQ(findFrom(text, "a", 2), 0);
    EXPECT_EQ(findFrom(text, "a", 9), 0);
}

TEST(TextPositions, InsertAndEraseStayInsideTheText) {
    WorkText text = "ac";
    insertAt(text, 2, "b");
    EXPECT_EQ(text, "abc");
    insertAt(text, 4, "d");
    EXPECT_EQ(text, "abcd");
    insertAt(text, 99, "e");
    EXPECT_EQ(text, "abcde");
    eraseAt(text, 5, 9);
    EXPECT_EQ(text, "abcd");
    eraseAt(text, 9, 1);
    EXPECT_EQ(text, "abcd");
}

TEST(TextPositions, MatchingCloseAndBalance) {
    EXPECT_EQ(MatchingClose("f((a)+b)", 2), 8);
    EXPECT_EQ(MatchingClose("f((a)+b)", 3), 5);
    EXPECT_EQ(MatchingClose("f((a)", 2), 0);
    EXPECT_EQ(MatchingClose("{a{b}}", 1, '{', '}'), 6);
    EXPECT_EQ(CheckBalance("(a)(b)"), 0);
    EXPECT_EQ(CheckBalance("a)(b"), 20);
    EXPECT_EQ(CheckBalance("((a)"), 25);
    EXPECT_EQ(CheckBalance("{(}", '{', '}'), 0);
    EXPECT_EQ(CheckBalance("}{", '{', '}'), 20);
}

TEST(CharacterClasses, FollowTheWindows1251Letters) {
    const std::string ya = cp("я"), bigYa = cp("Я"), yo = cp("ё"), bigYo = cp("Ё");
    EXPECT_TRUE(isLowerLetter('q'));
    EXPECT_TRUE(isLowerLetter(ya[0]));
    EXPECT_FALSE(isLowerLetter('Q'));
    EXPECT_FALSE(isLowerLetter(bigYa[0]));
    EXPECT_FALSE(isLowerLetter(yo[0]));
    EXPECT_TRUE(isLetter(bigYa[0]));
    EXPECT_FALSE(isLetter(bigYo[0]));
    EXPECT_FALSE(isLetter('7'));
    EXPECT_FALSE(isLatinLowerLetter(ya[0]));
    for (char c : std::string_view("\r\n$&()*+,-/:;<=>^{|}~")) EXPECT_TRUE(isSeparator(c)) << c;
    for (char c : std::string_view("a1._ ?!\"")) EXPECT_FALSE(isSeparator(c)) << c;
    for (char c : std::string_view("+-*/^<>$~|&{}(=")) EXPECT_TRUE(isOperatorChar(c)) << c;
    for (char c : std::string_view(":;,)?\n")) EXPECT_FALSE(isOperatorChar(c)) << c;
}

}  // namespace
}  // namespace zolt::syntax
