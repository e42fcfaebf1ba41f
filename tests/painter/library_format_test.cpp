// The library text format: reading records, compiling while reading, the store step, save rules.
#include <gtest/gtest.h>

#include <engine.h>

#include "library_samples.h"
#include "librarytext.h"
#include "storestep.h"

using namespace library;
using library_test::cp1251;

namespace {

std::string str(std::string_view v) { return std::string(v); }

TEST(LibraryFormat, ReadsHeadersAndSixTextsOfEveryRecord) {
    ProgramLibrary lib;
    readLibraryText(lib, library_test::painterSample(), kPainterFormat, nullptr);
    ASSERT_EQ(lib.tools.size(), 2u);
    ASSERT_EQ(lib.effects.size(), 1u);

    const ProgramRecord& pencil = lib.tools[0];
    EXPECT_EQ(pencil.name, "F1.bmp");
    EXPECT_EQ(pencil.standardFlag, '1');
    EXPECT_EQ(pencil.aliveFlag, '1');
    EXPECT_EQ(pencil.hint, "Pencil");
    EXPECT_EQ(pencil.kindChar, '1');
    EXPECT_EQ(pencil.drawMode, 'n');
    EXPECT_EQ(str(lib.internalText(pencil)), "lineto(a,b);\r\n");
    EXPECT_EQ(str(lib.surfaceText(pencil, 0)), cp1251(" Линия до(a,b); "));
    EXPECT_EQ(str(lib.surfaceText(pencil, 1)), " LineTo(A,B);");
    EXPECT_EQ(str(lib.surfaceText(pencil, 3)), "Begin\r\n LineTo(a,b); \r\nEnd.");
    EXPECT_EQ(str(lib.surfaceText(pencil, 4)), " LineTo(a,b); ");

    const ProgramRecord& square = lib.tools[1];
    EXPECT_EQ(square.hint, "Square");
    EXPECT_EQ(square.kindChar, '2');
    EXPECT_EQ(str(lib.internalText(square)), "ifdo(a<b)m=a;elsed:m=b;d_a_l:pusto();\r\nrectangle(0,0,m,m);\r\n");
    EXPECT_EQ(str(lib.surfaceText(square, 2)), "IF (a<b) THEN \r\nm=a\r\n ELSE \r\nm=b\r\nEnd IF\r\n Rectangle(0,0,m,m)");

    const ProgramRecord& negative = lib.effects[0];
    EXPECT_EQ(negative.name, "Negative");
    EXPECT_EQ(negative.groupChar(), '1');
    EXPECT_EQ(negative.kindChar, '1');
    EXPECT_EQ(negative.drawMode, 'b');
    // Spans are 0-based positions in LibraryText with CR LF counted as two characters.
    EXPECT_EQ(lib.text.substr(negative.spans[0].start, 5), "point");
    EXPECT_EQ(negative.spans[0].length, std::string("point(x,y,white-color(x,y));\r\n").size());
}

TEST(LibraryFormat, WritingTheRecordsReadGivesTheSameText) {
    for (const auto& [text, format] : {std::pair{library_test::painterSample(), kPainterFormat},
                                       std::pair{library_test::boardSample(), kBoardFormat}}) {
        ProgramLibrary lib;
        readLibraryText(lib, text, format, nullptr);
        EXPECT_EQ(buildLibraryText(lib, format), text);
    }
}

TEST(LibraryFormat, BoardFormatKnowsOnlyEffectRecordsAndNoDrawMode) {
    ProgramLibrary lib;
    readLibraryText(lib, "#Tool,11x,1\r\n[b[a;]]]]]]\r\n" + library_test::boardSample(), kBoardFormat, nullptr);
    EXPECT_TRUE(lib.tools.empty());
    ASSERT_EQ(lib.effects.size(), 1u);
    EXPECT_EQ(lib.effects[0].name, "Standard");
    EXPECT_EQ(lib.effects[0].standardFlag, '0');
    EXPECT_EQ(lib.effects[0].groupChar(), '5');
    EXPECT_EQ(recordHeader(lib.effects[0], false), "@Standard,015,2");

    ProgramLibrary withMode;
    readLibraryText(withMode, "@P,011,1\r\n[b[k=1;\r\n]1]2]3]4]5]\r\n", kBoardFormat, nullptr);
    ASSERT_EQ(withMode.effects.size(), 1u);
    EXPECT_EQ(str(withMode.internalText(withMode.effects[0])), "k=1;\r\n");
    EXPECT_EQ(buildLibraryText(withMode, kBoardFormat), "@P,011,1\r\n[[k=1;\r\n]1]2]3]4]5]\r\n");
}

TEST(LibraryFormat, DrawModeIsTheLastCharacterBetweenTheBrackets) {
    ProgramLibrary lib;
    readLibraryText(lib, "@E,011,1\r\n[nxb[t]1]2]3]4]5]\r\n@F,011,1\r\n[[t]1]2]3]4]5]\r\n", kPainterFormat, nullptr);
    ASSERT_EQ(lib.effects.size(), 2u);
    EXPECT_EQ(lib.effects[0].drawMode, 'b');
    EXPECT_EQ(lib.effects[1].drawMode, 'n');  // none given
}

TEST(LibraryFormat, SaveKeepsStandardRecordsAndDropsDeletedOnesOfTheUser) {
    ProgramLibrary lib;
    readLibraryText(lib, library_test::painterSample(), kPainterFormat, nullptr);
    lib.tools[0].aliveFlag = '0';  // standard tool deleted: written with AliveFlag '0'
    lib.effects.push_back(lib.effects[0]);
    lib.effects[1].name = "Mine";
    lib.effects[1].standardFlag = '0';
    lib.effects.push_back(lib.effects[1]);
    lib.effects[2].name = "Gone";
    lib.effects[2].aliveFlag = '0';  // the user's effect deleted: dropped

    const std::string saved = buildLibraryText(lib, kPainterFormat);
    EXPECT_EQ(saved.find("#F1.bmp,10Pencil,1\r\n[n[lineto(a,b);"), 0u);
    EXPECT_NE(saved.find("@Mine,011,1\r\n[b[point("), std::string::npos);
    EXPECT_EQ(saved.find("Gone"), std::string::npos);
    // Tools come first even when an effect was read before them.
    EXPECT_LT(saved.find("#F8.bmp"), saved.find("@Negative"));

    ProgramLibrary again;
    readLibraryText(again, saved, kPainterFormat, nullptr);
    ASSERT_EQ(again.tools.size(), 2u);
    EXPECT_FALSE(again.tools[0].alive());
    ASSERT_EQ(again.effects.size(), 2u);
    EXPECT_EQ(again.effects[1].name, "Mine");
    EXPECT_EQ(str(again.internalText(again.effects[1])), str(lib.internalText(lib.effects[0])));
}

TEST(LibraryFormat, CompilesEveryProgramWhileReadingWithJumpsToLaterLabels) {
    zolt::Engine engine(zolt::VocabularyKind::Board);
    ProgramLibrary lib;
    readLibraryText(lib, library_test::boardSample() + "@Second,011,1\r\n[[k=k+5;\r\n]1]2]3]4]5]\r\n", kBoardFormat,
                    &engine);
    ASSERT_EQ(lib.effects.size(), 2u);
    ASSERT_NE(lib.effects[0].code, nullptr);
    ASSERT_NE(lib.effects[1].code, nullptr);
    EXPECT_NE(lib.effects[0].code, lib.effects[1].code);

    engine.RunProgram(lib.effects[0].code);
    EXPECT_EQ(engine.runError(), 0);
    EXPECT_EQ(engine.cell("k"), 0.0);  // jumped over
    EXPECT_EQ(engine.cell("n"), 2.0);
    engine.RunProgram(lib.effects[1].code);
    EXPECT_EQ(engine.cell("k"), 5.0);
}

TEST(LibraryFormat, DrawModeOfTheRecordIsTheOneItsProgramIsCompiledUnder) {
    zolt::Engine engine(zolt::VocabularyKind::Painter);
    ProgramLibrary lib;
    readLibraryText(lib, library_test::painterSample(), kPainterFormat, &engine);
    for (const ProgramRecord& record : lib.tools) EXPECT_NE(record.code, nullptr) << record.hint;
    ASSERT_NE(lib.effects[0].code, nullptr);
    // The last program read was compiled in buffer mode: the engine was told so.
    EXPECT_EQ(engine.drawMode(), 'b');
}

TEST(StoreStep, AppendsSixTextsAndKeepsTheOldOnes) {
    ProgramLibrary lib;
    readLibraryText(lib, library_test::painterSample(), kPainterFormat, nullptr);
    const std::string before = lib.text;
    ProgramRecord& pencil = lib.tools[0];
    const SurfaceWriter writer = [](int k, std::string_view internal) {
        return "w" + std::to_string(k) + ":" + std::string(internal);
    };
    const StoreResult result = storeProgramTexts(lib, pencil, "line(0,0,a,b);\r\n", "Line(0,0,a,b)", 1, writer);
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(lib.text.substr(0, before.size()), before);  // only grows
    EXPECT_EQ(pencil.spans[0].start, before.size());
    EXPECT_EQ(str(lib.internalText(pencil)), "line(0,0,a,b);\r\n");
    EXPECT_EQ(str(lib.surfaceText(pencil, 0)), "w0:line(0,0,a,b);\r\n");
    EXPECT_EQ(str(lib.surfaceText(pencil, 1)), "Line(0,0,a,b)");  // as typed
    EXPECT_EQ(str(lib.surfaceText(pencil, 4)), "w4:line(0,0,a,b);\r\n");
    for (int span = 1; span < kSpanCount; ++span)
        EXPECT_EQ(pencil.spans[span].start, pencil.spans[span - 1].start + pencil.spans[span - 1].length);

    // Saving writes the new texts only.
    const std::string saved = buildLibraryText(lib, kPainterFormat);
    EXPECT_NE(saved.find("[n[line(0,0,a,b);\r\n]w0:"), std::string::npos);
    EXPECT_EQ(saved.find("lineto(a,b)"), std::string::npos);
}

TEST(StoreStep, RefusesATextThatWouldBreakTheFile) {
    ProgramLibrary lib;
    readLibraryText(lib, library_test::boardSample(), kBoardFormat, nullptr);
    const std::string before = lib.text;
    const auto spans = lib.effects[0].spans;
    const SurfaceWriter broken = [](int, std::string_view) { return std::string("a]b"); };
    const StoreResult result = storeProgramTexts(lib, lib.effects[0], "k=1;\r\n", "k=1", 1, broken);
    EXPECT_EQ(result.code, 10);
    EXPECT_EQ(result.offending, ']');
    EXPECT_EQ(lib.text, before);
    EXPECT_EQ(lib.effects[0].spans, spans);
}

TEST(StoreStep, TheSyntaxLayersWritersGiveTheOtherFourTexts) {
    ProgramLibrary lib;
    ProgramRecord& record = lib.effects.emplace_back();
    const std::string internal = "ifdo(a<b)m=a;elsed:m=b;d_a_l:pusto();\r\nrectangle(0,0,m,m);\r\n";
    const SurfaceWriter writers = syntaxWriters(zolt::VocabularyKind::Painter);
    ASSERT_EQ(storeProgramTexts(lib, record, internal, "typed text", 3, writers).code, 0);
    EXPECT_EQ(str(lib.surfaceText(record, 3)), "typed text");
    for (int k : {0, 1, 2, 4}) {
        EXPECT_EQ(str(lib.surfaceText(record, k)), writers(k, internal)) << k;
        EXPECT_NE(str(lib.surfaceText(record, k)), internal) << k;
    }
}

struct NameCase {
    const char* name;
    bool valid;
};

TEST(ProgramNames, OnlyNamesTheFormatCanCarryAreAccepted) {
    const NameCase cases[] = {
        {"Ivanov", true},       {"Мой вариант 2", true}, {"", false},         {"a,b", false},
        {"a#b", false},         {"@home", false},        {"x[1]", false},     {"end]", false},
        {"two\r\nlines", false}, {"tab\there", false},    {"1234567890123456789012345678901234567890", false},
    };
    for (const NameCase& c : cases) {
        std::string why;
        EXPECT_EQ(isValidProgramName(cp1251(c.name), &why), c.valid) << c.name;
        EXPECT_EQ(why.empty(), c.valid) << c.name;
    }
    EXPECT_TRUE(isValidToolHint("", nullptr));
    EXPECT_FALSE(isValidToolHint("Big, round", nullptr));
}

}  // namespace
