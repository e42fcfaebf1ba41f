// The RTF container: what is written reads back unchanged; documents of word processors read.
#include <gtest/gtest.h>

#include "library_samples.h"
#include "richtext.h"

using namespace library;
using library_test::cp1251;

namespace {

TEST(RichText, WrittenDocumentsReadBackUnchanged) {
    const std::string texts[] = {
        library_test::painterSample(),
        "",
        "one line without break",
        "\r\n\r\nleading breaks and a trailing one\r\n",
        "braces { } and \\ backslash\ttab",
        cp1251("Прямоугольник(0,0,m,m); ёЁ №"),
        std::string("lone\rcr and lone\nlf and \x01 control"),
        " starts with a blank\r\n 2 after a break",
    };
    for (const std::string& text : texts) {
        const std::string rtf = toRichText(text);
        EXPECT_TRUE(isRichText(rtf));
        EXPECT_EQ(fromRichText(rtf), text) << rtf;
    }
}

TEST(RichText, WrittenDocumentIsPlainAsciiRtfWithACyrillicCodePage) {
    const std::string rtf = toRichText(cp1251("Линия\r\nдо"));
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1251", 0), 0u);
    EXPECT_NE(rtf.find("\\fcharset204"), std::string::npos);
    EXPECT_NE(rtf.find("\\'cb\\'e8\\'ed\\'e8\\'ff\\par"), std::string::npos);
    for (char c : rtf) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    EXPECT_EQ(rtf.back(), '\n');
    EXPECT_EQ(rtf[rtf.size() - 3], '}');
}

TEST(RichText, ReadsTheTextOfAWordProcessorsDocument) {
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat{\\fonttbl{\\f0\\fnil\\fcharset204 Arial;}"
        "{\\f1\\fnil Times;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
        "{\\*\\generator Riched20 10.0.19041}{\\info{\\author Someone}}\\viewkind4\\uc1 \r\n"
        "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang1049 @A,011,1\\par\r\n"
        "[[k=\\b 1\\b0 ;\\par\r\n"
        "]\\'c5\\'f1\\'eb\\'e8]\\u1058?\\u-3?x]{\\*\\unknown skipped}3]4\\line 4]5\\tab]\\par\r\n"
        "{\\pntext\\f0 1.\\tab}{\\listtext 2.}{\\footnote note}{\\*\\bkmkstart b}end\\par}";
    EXPECT_EQ(fromRichText(rtf), "@A,011,1\r\n[[k=1;\r\n]" + cp1251("Если]Т") + "?x]3]4\r\n4]5\t]\r\nend\r\n");
}

TEST(RichText, PlainFilesGetCrLfLineBreaks) {
    EXPECT_FALSE(isRichText("@A,011,1\n[[k=1;"));
    EXPECT_TRUE(isRichText("  \r\n{\\rtf1 x}"));
    EXPECT_EQ(libraryTextFromFile("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(libraryTextFromFile(std::string("a\0b", 3)), "ab");
    // UTF-8 text is taken to Windows-1251; Windows-1251 text stays as it is.
    EXPECT_EQ(libraryTextFromFile("\xEF\xBB\xBF\xD0\x95\xD1\x81\xD0\xBB\xD0\xB8"), cp1251("Если"));
    EXPECT_EQ(libraryTextFromFile(cp1251("Если")), cp1251("Если"));
}

}  // namespace
