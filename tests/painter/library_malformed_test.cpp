// Library files that are damaged in every way a file can be: all of them load without a crash.
#include <gtest/gtest.h>

#include <engine.h>

#include <random>

#include "library_samples.h"
#include "librarytext.h"
#include "richtext.h"

using namespace library;

namespace {

// Every span of every record lies inside LibraryText.
void expectSpansInside(const ProgramLibrary& lib) {
    for (const auto* list : {&lib.tools, &lib.effects}) {
        for (const ProgramRecord& record : *list) {
            for (const TextSpan& span : record.spans) {
                ASSERT_LE(span.start, lib.text.size());
                ASSERT_LE(span.length, lib.text.size() - span.start);
            }
        }
    }
}

TEST(MalformedLibrary, EveryTruncationOfAFileLoads) {
    const std::string full = library_test::painterSample();
    const std::string rtf = toRichText(full);
    zolt::Engine engine(zolt::VocabularyKind::Painter);
    for (std::size_t cut = 0; cut <= rtf.size(); ++cut) {
        ProgramLibrary lib;
        readLibraryText(lib, libraryTextFromFile(std::string_view(rtf).substr(0, cut)), kPainterFormat, &engine);
        expectSpansInside(lib);
    }
    for (std::size_t cut = 0; cut <= full.size(); ++cut) {
        ProgramLibrary lib;
        readLibraryText(lib, full.substr(0, cut), kPainterFormat, &engine);
        expectSpansInside(lib);
    }
}

TEST(MalformedLibrary, ARecordCutShortKeepsTheTextsReadSoFar) {
    ProgramLibrary lib;
    readLibraryText(lib, "@Cut,011,1\r\n[[k=1;\r\n]one]tw", kBoardFormat, nullptr);
    ASSERT_EQ(lib.effects.size(), 1u);
    EXPECT_EQ(lib.internalText(lib.effects[0]), "k=1;\r\n");
    EXPECT_EQ(lib.surfaceText(lib.effects[0], 0), "one");
    EXPECT_EQ(lib.surfaceText(lib.effects[0], 1), "tw");
    EXPECT_EQ(lib.surfaceText(lib.effects[0], 2), "");
}

TEST(MalformedLibrary, BinaryBytesLoad) {
    std::mt19937 random(7);
    zolt::Engine engine(zolt::VocabularyKind::Painter);
    for (int round = 0; round < 50; ++round) {
        std::string bytes(4000, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        if (round % 2) bytes.insert(0, "{\\rtf1 ");
        // Sprinkle the format's own marks so that the state machine visits every state.
        for (std::size_t i = 0; i < bytes.size(); i += 37) bytes[i] = "#@[],"[i % 5];
        ProgramLibrary lib;
        readLibraryText(lib, libraryTextFromFile(bytes), kPainterFormat, &engine);
        expectSpansInside(lib);
        EXPECT_EQ(lib.text.find('\0'), std::string::npos);
    }
}

TEST(MalformedLibrary, RecordsWithoutTheirBracketsAreReadOn) {
    struct Case {
        const char* text;
        std::size_t records;
    };
    const Case cases[] = {
        {"@A,011,1\r\nk=1;]x]x]x]x]x]\r\n@B,011,1\r\n[[k=2;\r\n]1]2]3]4]5]\r\n", 2},
        {"[[k=1;]]]]]]@B,011,1\r\n[[k=2;\r\n]1]2]3]4]5]\r\n", 1},  // brackets before any header
        {"@A,011,1\r\n[k=1;]1]2]3]4]5]", 1},                    // one bracket only
        {"@A\r\n[[k=1;]]]]]]", 1},                              // header without commas
        {"]]]]]]][[[[[[", 0},
    };
    zolt::Engine engine(zolt::VocabularyKind::Board);
    for (const Case& c : cases) {
        ProgramLibrary lib;
        readLibraryText(lib, c.text, kBoardFormat, &engine);
        EXPECT_EQ(lib.effects.size(), c.records) << c.text;
        expectSpansInside(lib);
    }
}

TEST(MalformedLibrary, UnbalancedRichTextGroupsLoad) {
    const std::string cases[] = {
        "{\\rtf1{\\fonttbl{\\f0 Arial;}@A,011,1\\par [[k=1;\\par ]1]2]3]4]5]",  // font table never closed
        "{\\rtf1 @A,011,1\\par [[k=1;\\par ]1]2]3]4]5]}}}}}",
        "{\\rtf1 {{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{",
        "{\\rtf1 \\'",
        "{\\rtf1 \\'4",
        "{\\rtf1 \\u",
        "{\\rtf1 \\u-",
        "{\\rtf1 \\bin999999999 x",
        "{\\rtf1 \\",
    };
    for (const std::string& rtf : cases) {
        ProgramLibrary lib;
        readLibraryText(lib, libraryTextFromFile(rtf), kBoardFormat, nullptr);
        expectSpansInside(lib);
    }
    ProgramLibrary lib;
    readLibraryText(lib, libraryTextFromFile(cases[1]), kBoardFormat, nullptr);
    ASSERT_EQ(lib.effects.size(), 1u);
    EXPECT_EQ(lib.internalText(lib.effects[0]), "k=1;\r\n");
}

}  // namespace
