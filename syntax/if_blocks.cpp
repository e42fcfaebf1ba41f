// The if-block builder shared by every reader: finds where each then- and else-part ends, closes
// the block there with "d_a_l:pusto();", and writes the internal "ifdo(", ")" and "elsed:".
#include "keyword_reader.h"

namespace zolt::syntax {

namespace {

constexpr std::string_view kBlockEnd = "d_a_l:pusto();";
constexpr Pos kBlockEndLength = static_cast<Pos>(kBlockEnd.size());
// A finished then-part whose next six characters (line breaks not counted) are not "elsed"
// has no else-part; "elsed" is five characters long.
constexpr int kElseLookAhead = 6;

enum class Part { ThenInParentheses, ThenToLineEnd, ThenFinished, ElseInParentheses, ElseToLineEnd };

struct Block {
    Part part = Part::ThenToLineEnd;
    long depth = 0;
    Pos mark = 0;
};

}  // namespace

int BuildIfBlocks(WorkText& text) {
    Block blocks[kMaxIfBlocks + 1];
    int level = 0;       // 0: outside every block
    long balance = 0;    // then-parts minus else-parts of the open blocks
    int afterThen = 0;   // characters seen since a then-part finished
    Pos p = 1;
    while (p <= lastPos(text)) {
        const char c = charAt(text, p);
        Pos next = p + 1;
        if (endsAt(text, p - 1, "thend")) {
            if (level == kMaxIfBlocks) return kTooManyIfBlocks;
            ++level;
            ++balance;
            blocks[level] = c == '(' ? Block{Part::ThenInParentheses, 1, 0} : Block{Part::ThenToLineEnd, 0, 0};
        } else if (level > 0 && endsAt(text, p - 1, "elsed")) {
            --balance;
            blocks[level].part = c == '(' ? Part::ElseInParentheses : Part::ElseToLineEnd;
            blocks[level].depth = c == '(' ? 1 : 0;
        } else if (level > 0) {
            Block& block = blocks[level];
            if (c == '(') ++block.depth;
            if (c == ')') --block.depth;
            bool examined = false;
            if (block.part == Part::ThenToLineEnd && c == '\n') {
                block.part = Part::ThenFinished;
                block.mark = p - 1;
                afterThen = 0;
            } else if (block.part == Part::ThenInParentheses && block.depth == 0) {
                block.part = Part::ThenFinished;
                block.mark = p + 1;
                afterThen = 0;
                examined = true;
            }
            if (!examined) {
                if (block.part == Part::ThenFinished && c != '\r' && c != '\n') ++afterThen;
                if (block.depth == -1 && block.part == Part::ThenFinished) {
                    // The ')' of an enclosing group after a finished then-part: the block ends
                    // where its then-part did, not at the ')', so that the statements between
                    // stay unconditional. Everything after the mark is examined again at the
                    // lower level, the ')' included.
                    insertAt(text, block.mark, kBlockEnd);
                    --level;
                    --balance;
                    next = block.mark + kBlockEndLength;
                } else if (block.depth == -1) {
                    // The ')' of an enclosing group: close the block before it and count the
                    // ')' again at the lower level.
                    insertAt(text, p, kBlockEnd);
                    --level;
                } else if (block.part == Part::ThenFinished && (afterThen == kElseLookAhead || p == lastPos(text))) {
                    insertAt(text, block.mark, kBlockEnd);
                    --level;
                    --balance;
                    next = block.mark + kBlockEndLength + 1;
                } else if (block.part == Part::ElseToLineEnd && c == '\n') {
                    insertAt(text, p - 1, kBlockEnd);
                    --level;
                    next = p + kBlockEndLength;
                } else if (block.part == Part::ElseInParentheses && block.depth == 0) {
                    // The character after the group is examined at the lower level, so that a
                    // ')' closing an enclosing then-part there is counted.
                    insertAt(text, p + 1, kBlockEnd);
                    --level;
                    next = p + 1 + kBlockEndLength;
                }
            }
        }
        if (balance < 0) return 50;
        p = next;
    }
    ReplaceAll(text, "ifdo", "ifdo(");
    ReplaceAll(text, "thend", ")");
    ReplaceAll(text, "elsed", "elsed:");
    return 0;
}

}  // namespace zolt::syntax
