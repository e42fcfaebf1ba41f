// The analysis behind the keyword highlighting of the program editor: the text with every keyword
// in its canonical spelling, the keyword spans to make bold, the called names that are not
// functions (to colour red) and the DrawMode. The editor applies the result to its widget.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text_utils.h"
#include "vocabulary.h"

namespace zolt::syntax {

// A stretch of the text: 1-based start and length.
struct TextRange {
    Pos start = 0;
    Pos length = 0;
    bool operator==(const TextRange&) const = default;
};

struct Highlighting {
    std::string text;              // the editor text with canonical keywords, same length
    std::vector<TextRange> bold;   // keyword spans: the first 299 found, then the last one
    std::vector<TextRange> red;    // names called like functions that are none
    char drawMode = 'b';           // 'n' once a drawing call is found (painter only)
};

inline constexpr size_t kMaxKeywordSpans = 300;
// The scan offers the editor a pause whenever its position is a multiple of this.
inline constexpr Pos kHighlightPauseInterval = 200;

// Called at every pause; the editor processes its messages there and returns false when the
// user typed, which abandons the pass (the editor starts a new one on the new text).
using HighlightPause = std::function<bool()>;

// Analyses a Windows-1251 editor text in syntax syntaxIndex (0 to 4; other indexes have no
// keywords). Returns nothing if `pause` asked to abandon the pass.
std::optional<Highlighting> ComputeHighlighting(std::string_view editorText, int syntaxIndex,
                                                zolt::VocabularyKind vocabulary,
                                                const HighlightPause& pause = {});

}  // namespace zolt::syntax
