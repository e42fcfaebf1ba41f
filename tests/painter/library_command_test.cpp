// zoltc library run as a process: listing records with their compile results, showing one
// record's text, and the RTF container both ways.
#include <string>

#include "library_samples.h"
#include "zoltc_process.h"

namespace {

using Outcome = mindloom::testing::ZoltcOutcome;

Outcome zoltc(const std::string& arguments) { return mindloom::testing::runZoltc("library " + arguments, ""); }

std::string writeTemp(const std::string& name, const std::string& bytes) {
    return mindloom::testing::writeTempFile(name, bytes);
}

TEST(LibraryCommand, ListsRecordsWithTheirCompileResults) {
    const std::string plain = writeTemp("zoltc_library.txt", library_test::painterSample() +
                                                                 "@Bad,011,1\r\n[b[foo(1);\r\n]a]b]c]d]e]\r\n");
    const Outcome rtf = zoltc("rtf '" + plain + "'");
    ASSERT_EQ(rtf.status, 0) << rtf.err;
    const std::string file = writeTemp("zoltc_library.rtf", rtf.out);

    const Outcome list = zoltc("list '" + file + "'");
    EXPECT_EQ(list.status, 1);  // one program does not compile
    EXPECT_EQ(list.out,
              "tool   #F1.bmp,11Pencil,1  drawmode n  ok\n"
              "tool   #F8.bmp,11Square,2  drawmode n  ok\n"
              "effect @Negative,111,1  drawmode b  ok\n"
              "effect @Bad,011,1  drawmode b  error 80: undefined function  <foo>\n");

    const Outcome show = zoltc("show --syntax 3 '" + file + "' Pencil");
    EXPECT_EQ(show.status, 0) << show.err;
    EXPECT_EQ(show.out, "Begin\n LineTo(a,b); \nEnd.\n");
    // Windows-1251 texts come out as UTF-8.
    EXPECT_EQ(zoltc("show --syntax 0 '" + file + "' Negative").out, " Точка(x,y,белый- Цвет(x,y)); \n");
    EXPECT_EQ(zoltc("show '" + file + "' F8.bmp").out,
              "ifdo(a<b)m=a;elsed:m=b;d_a_l:pusto();\nrectangle(0,0,m,m);\n\n");
}

TEST(LibraryCommand, TextOfTheContainerIsTheLibraryText) {
    const std::string board = library_test::boardSample();
    const std::string plain = writeTemp("zoltc_board.txt", board);
    const std::string file = writeTemp("zoltc_board.rtf", zoltc("rtf '" + plain + "'").out);
    const Outcome text = zoltc("text '" + file + "'");
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("@Standard,015,2\n[[gotodopol(m);\nk=1;\nm:n=2;\n]"), std::string::npos);
    EXPECT_EQ(zoltc("list --board '" + file + "'").out, "effect @Standard,015,2  ok\n");
}

TEST(LibraryCommand, WrongCommandLinesAreRefused) {
    EXPECT_EQ(zoltc("frob x").status, 2);
    EXPECT_EQ(zoltc("show only-a-file").status, 2);
    EXPECT_EQ(zoltc("list /nonexistent/library.lmo").status, 1);
    const std::string file = writeTemp("zoltc_board2.txt", library_test::boardSample());
    EXPECT_EQ(zoltc("show --syntax 9 '" + file + "' Standard").status, 2);
    EXPECT_EQ(zoltc("show '" + file + "' Missing").status, 1);
}

}  // namespace
