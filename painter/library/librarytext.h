// The library text format: reading records with the state machine (compiling each program while
// it is read), writing the records that are kept, and the names the format can carry.
#pragma once

#include <string>
#include <string_view>

#include "programlibrary.h"

namespace zolt {
class Engine;
}

namespace library {

// Replaces the library's records and LibraryText with those read from `text` (Windows-1251).
// With an engine, every record's internal text is compiled while it is read and the program's
// EntryInstruction becomes the record's Code; compile errors are not reported. Any input is read
// without failing: a record cut short keeps the texts read so far, and the others stay empty.
void readLibraryText(ProgramLibrary& library, std::string text, const LibraryFormat& format,
                     zolt::Engine* engine);

// The text written on save: every record that is kept, tools first, each texts taken by its spans.
std::string buildLibraryText(const ProgramLibrary& library, const LibraryFormat& format);

// The header line of one record without its line break, "#F1.bmp,11Pencil,1" or "@Negative,111,1".
std::string recordHeader(const ProgramRecord& record, bool tool);

// Names the format can carry: not empty, at most 39 characters, none of  , # @ [ ]  and no
// control character (line breaks included). On refusal `why` gets a sentence for the user.
bool isValidProgramName(std::string_view name, std::string* why = nullptr);
// A tool's hint: may be empty, otherwise the same rules as a name.
bool isValidToolHint(std::string_view hint, std::string* why = nullptr);

// Characters that delimit records; program texts never contain them.
inline constexpr std::string_view kRecordDelimiters = "#@[]";

}  // namespace library
