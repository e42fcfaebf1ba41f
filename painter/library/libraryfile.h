// The library folder and file: loading at start-up (file, or the default library) and saving.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "programlibrary.h"

namespace zolt {
class Engine;
}

namespace library {

enum class LibrarySource {
    File,                // read from the library file
    DefaultNoFolder,     // the folder is missing: the default library, no message
    DefaultUnreadable,   // the file could not be read: the default library, with a message
    DefaultEmpty,        // the file holds no program (all were deleted): the default, with a message
};

struct LoadReport {
    LibrarySource source = LibrarySource::File;
    std::string message;  // for the user when not empty (UTF-8)
    bool usedDefault() const { return source != LibrarySource::File; }
};

struct SaveReport {
    bool ok = true;
    std::string message;  // why the save failed; the old file is then unchanged
};

// One program's library on disk. Paths are relative to the working folder given.
class LibraryStorage {
public:
    explicit LibraryStorage(const LibraryFormat& format,
                            std::filesystem::path workingFolder = std::filesystem::current_path());

    const LibraryFormat& format() const { return format_; }
    std::filesystem::path folder() const { return workingFolder_ / format_.folder; }
    std::filesystem::path file() const { return folder() / format_.fileName; }

    // Reads the library (compiling every program when an engine is given). Never fails: when the
    // file cannot be used the default library text is read instead and the report says why.
    LoadReport load(ProgramLibrary& library, std::string_view defaultText, zolt::Engine* engine);

    // Writes the kept records as an RTF document: creates the folder when needed, writes a
    // temporary file and renames it over the old one, so a failed save loses nothing. A file that
    // could not be used at load is first kept beside it as "Lumo.lmo.bak". Nothing in memory changes.
    SaveReport save(const ProgramLibrary& library);

    // The bitmap file of a tool's button picture, folder / Name; none when Name is not a plain
    // file name (empty, "." or "..", or holding a folder separator), so that a damaged library
    // never makes the painter read or write outside its folder.
    std::optional<std::filesystem::path> toolPicturePath(const ProgramRecord& tool) const;

    // The folder was missing at start (painter: button pictures come from the resources).
    bool folderWasMissing() const { return folderWasMissing_; }

private:
    LibraryFormat format_;
    std::filesystem::path workingFolder_;
    bool folderWasMissing_ = false;
    bool keepOldFileOnSave_ = false;
};

// Writes `bytes` to `target` through a temporary file in the same folder and a rename.
SaveReport writeFileReplacing(const std::filesystem::path& target, std::string_view bytes);

}  // namespace library
