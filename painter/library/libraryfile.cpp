// The library folder and file on disk: start-up load with its fallbacks, and the safe save.
#include "libraryfile.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

#include "librarytext.h"
#include "richtext.h"

namespace library {
namespace {

namespace fs = std::filesystem;

// A program library is a few hundred kilobytes; anything far larger is not one.
constexpr std::uintmax_t kLargestLibraryFile = 64u << 20;

std::string quoted(const fs::path& path) {
    const std::u8string text = path.u8string();
    return "\"" + std::string(text.begin(), text.end()) + "\"";
}

// The file's bytes, or an empty optional with the reason in `why`.
bool readWholeFile(const fs::path& path, std::string& bytes, std::string& why) {
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        why = "the file does not exist";
        return false;
    }
    if (!fs::is_regular_file(path, ec)) {
        why = "it is not a file";
        return false;
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        why = ec.message();
        return false;
    }
    if (size > kLargestLibraryFile) {
        why = "the file is too large to be a program library";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = "the file cannot be opened";
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        why = "the file cannot be read";
        return false;
    }
    bytes = std::move(content).str();
    return true;
}

}  // namespace

LibraryStorage::LibraryStorage(const LibraryFormat& format, std::filesystem::path workingFolder)
    : format_(format), workingFolder_(std::move(workingFolder)) {}

LoadReport LibraryStorage::load(ProgramLibrary& library, std::string_view defaultText, zolt::Engine* engine) {
    LoadReport report;
    keepOldFileOnSave_ = false;
    std::error_code ec;
    folderWasMissing_ = !fs::is_directory(folder(), ec);
    auto useDefault = [&](LibrarySource source, std::string message) {
        library.clear();
        readLibraryText(library, std::string(defaultText), format_, engine);
        report.source = source;
        report.message = std::move(message);
        return report;
    };
    if (folderWasMissing_) return useDefault(LibrarySource::DefaultNoFolder, {});

    std::string bytes;
    std::string why;
    if (!readWholeFile(file(), bytes, why)) {
        keepOldFileOnSave_ = fs::exists(file(), ec);
        return useDefault(LibrarySource::DefaultUnreadable,
                          "The program library " + quoted(file()) + " cannot be read: " + why +
                              ". The default programs are used.");
    }
    readLibraryText(library, libraryTextFromFile(bytes), format_, engine);
    if (library.recordCount() == 0) {
        keepOldFileOnSave_ = true;
        return useDefault(LibrarySource::DefaultEmpty, "The program library " + quoted(file()) +
                                                           " holds no program. The default programs are used.");
    }
    return report;
}

SaveReport LibraryStorage::save(const ProgramLibrary& library) {
    std::error_code ec;
    fs::create_directories(folder(), ec);
    if (ec) return SaveReport{false, "The folder " + quoted(folder()) + " cannot be created: " + ec.message()};
    if (keepOldFileOnSave_ && fs::exists(file(), ec)) {
        // The file that could not be used at start-up is kept once, whatever it holds.
        fs::path backup = file();
        backup += ".bak";
        fs::copy_file(file(), backup, fs::copy_options::overwrite_existing, ec);
    }
    SaveReport report = writeFileReplacing(file(), toRichText(buildLibraryText(library, format_)));
    if (report.ok) keepOldFileOnSave_ = false;
    return report;
}

std::optional<std::filesystem::path> LibraryStorage::toolPicturePath(const ProgramRecord& tool) const {
    const std::string& name = tool.name;
    if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\:") != std::string::npos ||
        name.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    return folder() / name;
}

SaveReport writeFileReplacing(const std::filesystem::path& target, std::string_view bytes) {
    fs::path temporary = target;
    temporary += ".tmp";
    auto fail = [&](const std::string& why) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return SaveReport{false, "The file " + quoted(target) + " cannot be written: " + why};
    };
    std::FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out) return fail("the temporary file cannot be created");
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    written = std::fflush(out) == 0 && written;
#if defined(__unix__) || defined(__APPLE__)
    written = ::fsync(::fileno(out)) == 0 && written;
#endif
    written = std::fclose(out) == 0 && written;
    if (!written) return fail("writing the temporary file failed");
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) return fail(ec.message());
    return {};
}

}  // namespace library
