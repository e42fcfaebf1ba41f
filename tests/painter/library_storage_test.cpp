// The library folder on disk: load with its fallbacks, save, and load again.
#include <gtest/gtest.h>

#include <engine.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "library_samples.h"
#include "libraryfile.h"
#include "librarytext.h"
#include "richtext.h"
#include "storestep.h"

using namespace library;
namespace fs = std::filesystem;

namespace {

class LibraryStorageTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        work_ = fs::temp_directory_path() / ("mindloom-library-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(work_);
        fs::create_directories(work_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(work_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(work_, ec);
    }

    static std::string readFile(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void writeFile(const fs::path& path, const std::string& bytes) {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // Records compared by their header fields and texts.
    static std::vector<std::string> describe(const ProgramLibrary& lib) {
        std::vector<std::string> out;
        for (const auto* list : {&lib.tools, &lib.effects}) {
            for (const ProgramRecord& r : *list) {
                std::string d = recordHeader(r, list == &lib.tools) + "|" + r.drawMode;
                for (int span = 0; span < kSpanCount; ++span) d += "|" + std::string(lib.spanText(r, span));
                out.push_back(d);
            }
        }
        return out;
    }

    fs::path work_;
};

TEST_F(LibraryStorageTest, MissingFolderUsesTheDefaultSilentlyAndSaveCreatesIt) {
    LibraryStorage storage(kPainterFormat, work_);
    ProgramLibrary lib;
    const LoadReport report = storage.load(lib, library_test::painterSample(), nullptr);
    EXPECT_EQ(report.source, LibrarySource::DefaultNoFolder);
    EXPECT_TRUE(report.message.empty());
    EXPECT_TRUE(storage.folderWasMissing());
    EXPECT_EQ(lib.tools.size(), 2u);

    ASSERT_TRUE(storage.save(lib).ok);
    EXPECT_TRUE(fs::is_regular_file(work_ / "System Pictor" / "Lumo.lmo"));
    EXPECT_FALSE(fs::exists(work_ / "System Pictor" / "Lumo.lmo.tmp"));
    EXPECT_TRUE(isRichText(readFile(storage.file())));
    EXPECT_TRUE(storage.folderWasMissing());  // lasts until the program ends
}

TEST_F(LibraryStorageTest, LoadStoreSaveLoadGivesTheSameRecordsAndTexts) {
    for (bool rich : {true, false}) {
        writeFile(work_ / "System_Quinto" / "Lumo.lmo",
                  rich ? toRichText(library_test::boardSample()) : library_test::boardSample());
        zolt::Engine engine(zolt::VocabularyKind::Board);
        LibraryStorage storage(kBoardFormat, work_);
        ProgramLibrary lib;
        const LoadReport report = storage.load(lib, "", &engine);
        ASSERT_EQ(report.source, LibrarySource::File) << report.message;
        ASSERT_EQ(lib.effects.size(), 1u);

        ProgramRecord& added = lib.effects.emplace_back(lib.effects[0]);
        added.name = "Ivanov";
        const SurfaceWriter writer = [](int k, std::string_view) { return "text " + std::to_string(k); };
        ASSERT_EQ(storeProgramTexts(lib, added, "k=k+1;\r\n", "k = k + 1", 1, writer).code, 0);
        const std::vector<std::string> before = describe(lib);
        const std::string textBefore = lib.text;

        ASSERT_TRUE(storage.save(lib).ok);
        EXPECT_EQ(lib.text, textBefore);  // nothing in memory changes

        zolt::Engine engine2(zolt::VocabularyKind::Board);
        LibraryStorage storage2(kBoardFormat, work_);
        ProgramLibrary lib2;
        ASSERT_EQ(storage2.load(lib2, "", &engine2).source, LibrarySource::File);
        EXPECT_EQ(describe(lib2), before);
        engine2.RunProgram(lib2.effects[1].code);
        EXPECT_EQ(engine2.cell("k"), 1.0);
        fs::remove_all(work_ / "System_Quinto");
    }
}

TEST_F(LibraryStorageTest, AnEmptyLibraryFallsBackToTheDefaultAndSaysSo) {
    writeFile(work_ / "System_Quinto" / "Lumo.lmo", toRichText(""));
    LibraryStorage storage(kBoardFormat, work_);
    ProgramLibrary lib;
    const LoadReport report = storage.load(lib, library_test::boardSample(), nullptr);
    EXPECT_EQ(report.source, LibrarySource::DefaultEmpty);
    EXPECT_NE(report.message.find("holds no program"), std::string::npos);
    EXPECT_FALSE(storage.folderWasMissing());
    ASSERT_EQ(lib.effects.size(), 1u);
    EXPECT_EQ(lib.effects[0].name, "Standard");
}

TEST_F(LibraryStorageTest, AnUnreadableFileIsReportedAndKeptWhenSavingOverIt) {
    // A folder where the file should be cannot be read as a library.
    fs::create_directories(work_ / "System_Quinto" / "Lumo.lmo");
    LibraryStorage storage(kBoardFormat, work_);
    ProgramLibrary lib;
    LoadReport report = storage.load(lib, library_test::boardSample(), nullptr);
    EXPECT_EQ(report.source, LibrarySource::DefaultUnreadable);
    EXPECT_NE(report.message.find("cannot be read"), std::string::npos);
    EXPECT_EQ(lib.effects.size(), 1u);
    fs::remove(work_ / "System_Quinto" / "Lumo.lmo");

    // Garbage: the file is not lost when the default library is saved over it.
    const std::string garbage = "\x01\x02 not a library \xff";
    writeFile(work_ / "System_Quinto" / "Lumo.lmo", garbage);
    report = storage.load(lib, library_test::boardSample(), nullptr);
    EXPECT_EQ(report.source, LibrarySource::DefaultEmpty);
    ASSERT_TRUE(storage.save(lib).ok);
    EXPECT_EQ(readFile(work_ / "System_Quinto" / "Lumo.lmo.bak"), garbage);
    EXPECT_EQ(fromRichText(readFile(storage.file())), library_test::boardSample());
}

TEST_F(LibraryStorageTest, AFailedSaveLeavesTheOldFileAsItWas) {
    writeFile(work_ / "System_Quinto" / "Lumo.lmo", library_test::boardSample());
    LibraryStorage storage(kBoardFormat, work_);
    ProgramLibrary lib;
    ASSERT_EQ(storage.load(lib, "", nullptr).source, LibrarySource::File);
    lib.effects[0].name = "Changed";
    // The temporary file cannot be made: a folder stands in its place.
    fs::create_directories(work_ / "System_Quinto" / "Lumo.lmo.tmp");
    const SaveReport report = storage.save(lib);
    EXPECT_FALSE(report.ok);
    EXPECT_NE(report.message.find("cannot be written"), std::string::npos);
    EXPECT_EQ(readFile(storage.file()), library_test::boardSample());
    fs::remove(work_ / "System_Quinto" / "Lumo.lmo.tmp");
    ASSERT_TRUE(storage.save(lib).ok);
    EXPECT_NE(fromRichText(readFile(storage.file())).find("@Changed,015,2"), std::string::npos);
}

TEST_F(LibraryStorageTest, ToolPicturesStayInsideTheLibraryFolder) {
    LibraryStorage storage(kPainterFormat, work_);
    ProgramRecord tool;
    tool.name = "F1.bmp";
    EXPECT_EQ(storage.toolPicturePath(tool), work_ / "System Pictor" / "F1.bmp");
    for (const char* name : {"", ".", "..", "../F1.bmp", "a/b.bmp", "..\\x.bmp", "C:x.bmp"}) {
        tool.name = name;
        EXPECT_FALSE(storage.toolPicturePath(tool).has_value()) << name;
    }
}

}  // namespace
