// The library text format: the reading state machine, the text written on save, valid names.
#include "librarytext.h"

#include <engine.h>

namespace library {
namespace {

// States of the reader. Header fields 1..5, between the record's brackets 33, texts 9..14.
enum State : int {
    kBetween = 0,
    kName = 1,
    kStandard = 2,
    kAlive = 3,
    kHint = 4,
    kKind = 5,
    kAfterHeader = 6,
    kFirstText = 9,
    kLastText = 14,
    kAfterTexts = 15,
    kBrackets = 33,
};

// Reads one library text; holds the record being read and its open text.
class Reader {
public:
    Reader(ProgramLibrary& library, const LibraryFormat& format, zolt::Engine* engine)
        : library_(library), format_(format), engine_(engine), record_(&orphan_) {}

    void read() {
        const std::string& text = library_.text;
        for (std::size_t i = 0; i < text.size(); ++i) step(text[i], i);
        finish(text.size());
    }

private:
    void step(char c, std::size_t position) {
        switch (state_) {
            case kName:
                if (c == ',') state_ = kStandard;
                else record_->name += c;
                return;
            case kKind:
                record_->kindChar = c;
                state_ = kAfterHeader;
                return;
            case kHint:
                if (c == ',') state_ = kKind;
                else record_->hint += c;
                return;
            case kAlive:
                record_->aliveFlag = c;
                state_ = kHint;
                return;
            case kStandard:
                if (c != ',') {
                    record_->standardFlag = c;
                    state_ = kAlive;
                    return;
                }
                break;
            case kBrackets:
                if (c != '[') {
                    if (format_.drawModeInBlock) record_->drawMode = c;
                    return;
                }
                break;
            default:
                break;
        }
        if (c == ']' && state_ >= kFirstText && state_ <= kLastText) {
            closeText(position);
            if (state_ == kFirstText) finishCompile();
            ++state_;
            textStart_ = position + 1;
            return;
        }
        if (state_ == kFirstText) {
            if (engine_) engine_->CompileChar(c);
            return;
        }
        if (c == '[') {
            if (state_ == kBrackets) {
                state_ = kFirstText;
                textStart_ = position + 1;
                beginCompile();
            } else {
                state_ = kBrackets;
            }
            return;
        }
        if (c == '#' && format_.toolRecords) {
            startRecord(library_.tools);
        } else if (c == '@') {
            startRecord(library_.effects);
        }
    }

    void startRecord(std::deque<ProgramRecord>& list) {
        list.emplace_back();
        record_ = &list.back();
        state_ = kName;
    }

    // The text of the current state ends just before `end`.
    void closeText(std::size_t end) {
        record_->spans[state_ - kFirstText] = TextSpan{textStart_, end - textStart_};
    }

    void beginCompile() {
        // Brackets before the first header belong to no record: read past, not compiled.
        compiling_ = engine_ != nullptr && record_ != &orphan_;
        if (!compiling_) return;
        if (format_.drawModeInBlock) engine_->setDrawMode(record_->drawMode);
        engine_->BeginCompile();
    }

    void finishCompile() {
        if (!compiling_) return;
        compiling_ = false;
        engine_->FinishCompile();
        record_->code = engine_->entryInstruction();
    }

    // A text left open at the end of the input keeps what was read; the compiler is not left
    // half-way through a program.
    void finish(std::size_t end) {
        if (state_ >= kFirstText && state_ <= kLastText) {
            closeText(end);
            if (state_ == kFirstText) finishCompile();
        }
    }

    ProgramLibrary& library_;
    const LibraryFormat& format_;
    zolt::Engine* engine_;
    ProgramRecord orphan_;
    ProgramRecord* record_;
    int state_ = kBetween;
    std::size_t textStart_ = 0;
    bool compiling_ = false;
};

void appendRecord(std::string& out, const ProgramLibrary& library, const ProgramRecord& record, bool tool,
                  const LibraryFormat& format) {
    out += recordHeader(record, tool);
    out += "\r\n[";
    if (format.drawModeInBlock) out += record.drawMode == 'b' ? 'b' : 'n';
    out += '[';
    for (int span = 0; span < kSpanCount; ++span) {
        out += library.spanText(record, span);
        out += ']';
    }
    out += "\r\n";
}

bool checkField(std::string_view field, std::string_view what, bool mayBeEmpty, std::string* why) {
    auto refuse = [&](std::string reason) {
        if (why) *why = std::move(reason);
        return false;
    };
    if (field.empty()) {
        return mayBeEmpty ? true : refuse("The " + std::string(what) + " must not be empty.");
    }
    if (field.size() > 39) {
        return refuse("The " + std::string(what) + " must not be longer than 39 characters.");
    }
    for (char c : field) {
        if (c == ',' || kRecordDelimiters.find(c) != std::string_view::npos) {
            return refuse("The " + std::string(what) + " must not contain the characters  , # @ [ ]");
        }
        if (static_cast<unsigned char>(c) < 0x20) {
            return refuse("The " + std::string(what) + " must be one line without control characters.");
        }
    }
    return true;
}

}  // namespace

void readLibraryText(ProgramLibrary& library, std::string text, const LibraryFormat& format,
                     zolt::Engine* engine) {
    library.clear();
    library.text = std::move(text);
    Reader(library, format, engine).read();
}

std::string recordHeader(const ProgramRecord& record, bool tool) {
    std::string header;
    header += tool ? '#' : '@';
    header += record.name;
    header += ',';
    header += record.standardFlag;
    header += record.aliveFlag;
    if (tool) header += record.hint;
    else if (record.groupChar() != '\0') header += record.groupChar();
    header += ',';
    header += record.kindChar;
    return header;
}

std::string buildLibraryText(const ProgramLibrary& library, const LibraryFormat& format) {
    std::string out;
    if (format.toolRecords) {
        for (const ProgramRecord& record : library.tools)
            if (record.kept()) appendRecord(out, library, record, true, format);
    }
    for (const ProgramRecord& record : library.effects)
        if (record.kept()) appendRecord(out, library, record, false, format);
    return out;
}

bool isValidProgramName(std::string_view name, std::string* why) {
    return checkField(name, "name", false, why);
}

bool isValidToolHint(std::string_view hint, std::string* why) {
    return checkField(hint, "hint", true, why);
}

}  // namespace library
