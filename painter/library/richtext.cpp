// The RTF container of the library file: a small writer and a tolerant reader of RTF text.
#include "richtext.h"

#include <cp1251.h>

#include <cctype>
#include <cstdio>
#include <vector>

namespace library {
namespace {

constexpr std::string_view kCrLf = "\r\n";

void appendEscaped(std::string& out, char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += c;
    } else if (c == '\t') {
        out += "\\tab ";
    } else if (byte < 0x20 || byte >= 0x80) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\'%02x", byte);
        out += escape;
    } else {
        out += c;
    }
}

// Destinations whose text is not document text (list numbers and footnotes included).
constexpr std::string_view kSkippedDestinations[] = {
    "fonttbl",  "colortbl",  "stylesheet", "info",      "pict",      "header",     "footer",
    "headerl",  "headerr",   "headerf",    "footerl",   "footerr",   "footerf",    "listtable",
    "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "themedata", "colorschememapping",
    "datastore", "latentstyles", "fldinst", "object", "filetbl", "revtbl", "pgdsctbl",
    "pntext", "listtext", "footnote", "annotation", "xe", "tc", "nonshppict",
};

bool isSkippedDestination(std::string_view word) {
    for (std::string_view d : kSkippedDestinations)
        if (d == word) return true;
    return false;
}

// Control symbols that stand for one Windows-1251 character.
int characterOfWord(std::string_view word) {
    if (word == "tab") return '\t';
    if (word == "emdash") return 0x97;
    if (word == "endash") return 0x96;
    if (word == "lquote") return 0x91;
    if (word == "rquote") return 0x92;
    if (word == "ldblquote") return 0x93;
    if (word == "rdblquote") return 0x94;
    if (word == "bullet") return 0x95;
    if (word == "emspace" || word == "enspace" || word == "qmspace") return ' ';
    return -1;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class RtfReader {
public:
    explicit RtfReader(std::string_view rtf) : in_(rtf) {}

    std::string read() {
        groups_.push_back(Group{});
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            switch (c) {
                case '{':
                    groups_.push_back(groups_.back());
                    groups_.back().fresh = true;
                    break;
                case '}':
                    if (groups_.size() > 1) groups_.pop_back();  // an extra '}' is ignored
                    break;
                case '\\':
                    controlWord();
                    break;
                case '\r':
                case '\n':
                    break;
                default:
                    emit(c);
                    break;
            }
        }
        return std::move(out_);
    }

private:
    struct Group {
        bool skip = false;
        bool fresh = false;   // nothing read in this group yet: a destination word may follow
        int unicodeSkip = 1;  // \ucN: fallback characters after a \uN character
    };

    void emit(char c) {
        Group& g = groups_.back();
        g.fresh = false;
        if (pendingFallback_ > 0) {
            --pendingFallback_;
            return;
        }
        if (!g.skip && c != '\0') out_ += c;
    }

    void controlWord() {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        const std::size_t start = pos_;
        while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_]))) ++pos_;
        const std::string_view word = in_.substr(start, pos_ - start);
        bool hasParameter = false;
        long parameter = 0;
        bool negative = false;
        if (pos_ < in_.size() && in_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
            hasParameter = true;
            if (parameter < 100000000) parameter = parameter * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (negative) parameter = -parameter;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiting blank belongs to the word
        apply(word, hasParameter, parameter);
    }

    void controlSymbol(char c) {
        Group& g = groups_.back();
        switch (c) {
            case '\\':
            case '{':
            case '}':
                emit(c);
                break;
            case '\'': {
                const int high = pos_ < in_.size() ? hexValue(in_[pos_]) : -1;
                const int low = pos_ + 1 < in_.size() ? hexValue(in_[pos_ + 1]) : -1;
                if (high >= 0 && low >= 0) {
                    pos_ += 2;
                    emit(static_cast<char>(high * 16 + low));
                }
                break;
            }
            case '*':  // an optional destination this reader does not know
                if (g.fresh) g.skip = true;
                break;
            case '~':
                emit(static_cast<char>(0xA0));
                break;
            case '_':
                emit('-');
                break;
            case '\r':
            case '\n':  // "\" before a line break is a paragraph mark
                paragraph();
                break;
            default:  // \- optional hyphen, \: index entries and the like
                break;
        }
    }

    void apply(std::string_view word, bool hasParameter, long parameter) {
        Group& g = groups_.back();
        const bool fresh = g.fresh;
        g.fresh = false;
        if (word == "bin") {
            // Binary data: skip its bytes wherever it stands.
            const std::size_t n = hasParameter && parameter > 0 ? static_cast<std::size_t>(parameter) : 0;
            pos_ = n > in_.size() - pos_ ? in_.size() : pos_ + n;
            return;
        }
        if (fresh && isSkippedDestination(word)) {
            g.skip = true;
            return;
        }
        if (word == "par" || word == "line" || word == "sect" || word == "page") {
            paragraph();
        } else if (word == "uc") {
            g.unicodeSkip = hasParameter && parameter >= 0 ? static_cast<int>(parameter) : 1;
        } else if (word == "u" && hasParameter) {
            long code = parameter < 0 ? parameter + 65536 : parameter;
            const auto byte = mindloom::unicodeToCp1251(static_cast<char32_t>(code));
            emit(byte ? static_cast<char>(*byte) : '?');
            pendingFallback_ = g.unicodeSkip;
        } else if (const int ch = characterOfWord(word); ch >= 0) {
            emit(static_cast<char>(ch));
        }
    }

    void paragraph() {
        if (groups_.back().skip) return;
        pendingFallback_ = 0;
        out_ += kCrLf;
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<Group> groups_;
    std::string out_;
    int pendingFallback_ = 0;
};

}  // namespace

std::string toRichText(std::string_view text) {
    std::string out =
        "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049"
        "{\\fonttbl{\\f0\\fswiss\\fcharset204 MS Sans Serif;}}\r\n"
        "\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    std::size_t lineStart = 0;
    while (true) {
        const std::size_t end = text.find(kCrLf, lineStart);
        const std::size_t stop = end == std::string_view::npos ? text.size() : end;
        for (std::size_t i = lineStart; i < stop; ++i) appendEscaped(out, text[i]);
        if (end == std::string_view::npos) break;
        out += "\\par\r\n";
        lineStart = end + kCrLf.size();
    }
    out += "}\r\n";
    return out;
}

bool isRichText(std::string_view bytes) {
    std::size_t i = 0;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") i = 3;
    while (i < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[i]))) ++i;
    return bytes.substr(i, 5) == "{\\rtf";
}

std::string fromRichText(std::string_view rtf) { return RtfReader(rtf).read(); }

std::string libraryTextFromFile(std::string_view bytes) {
    if (isRichText(bytes)) return fromRichText(bytes);
    std::string plain(bytes);
    if (plain.substr(0, 3) == "\xEF\xBB\xBF") plain.erase(0, 3);
    bool highBytes = false;
    for (char c : plain) highBytes |= static_cast<unsigned char>(c) >= 0x80;
    if (highBytes) {
        // Windows-1251 Cyrillic text is practically never valid UTF-8, so text that is was
        // written by a UTF-8 editor.
        mindloom::Utf8Conversion converted = mindloom::utf8ToCp1251(plain);
        if (converted.ok) plain = std::move(converted.text);
    }
    std::string out;
    out.reserve(plain.size() + plain.size() / 16);
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const char c = plain[i];
        if (c == '\0') continue;
        if (c == '\r') {
            out += kCrLf;
            if (i + 1 < plain.size() && plain[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += kCrLf;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace library
