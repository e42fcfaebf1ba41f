#include "vocabulary.h"

#include <algorithm>
#include <iterator>

#include "operations.h"

namespace zolt {
namespace {

constexpr OneArgumentFunction kMathFunctions[] = {
    {"sgn", op::sgn},       {"sin", op::sin},       {"cos", op::cos},       {"tg", op::tg},
    {"arctg", op::arctg},   {"arcsin", op::arcsin}, {"arccos", op::arccos}, {"int", op::toInt},
    {"abs", op::abs},       {"rnddopoln", op::random}, {"exp", op::exp},    {"ln", op::ln},
    {"sqroot", op::sqroot},
};

constexpr OneArgumentFunction kLockFunctions[] = {
    {"sgn", op::sgn},       {"sin", op::sin},       {"cos", op::cos},       {"tg", op::tg},
    {"arctg", op::arctg},   {"arcsin", op::arcsin}, {"arccos", op::arccos}, {"int", op::toInt},
    {"abs", op::abs},       {"rnddopoln", op::random}, {"exp", op::exp},    {"ln", op::ln},
    {"sqroot", op::sqroot}, {"ask", op::ask},       {"open", op::open},
};

constexpr const char* kPainterHostNames[] = {"x", "y", "a", "b"};
constexpr AssignedName kPainterAssigned[] = {
    {"coloroflines", op::assignPenColor},
    {"widthoflines", op::assignPenWidth},
    {"coloroffilling", op::assignBrushColor},
};
constexpr NamedConstant kPainterColours[] = {
    {"white", 16777215}, {"black", 0},        {"red", 255},           {"orange", 51455},
    {"yellow", 65535},   {"green", 65280},    {"blue", 16776960},     {"darkblue", 16711680},
    {"violet", 16711935}, {"brown", 33023},   {"grey", 12632256},
};
constexpr MultiArgumentFunction kPainterFunctions[] = {
    {"ellipse", 4, op::ellipse, op::ellipse, false},
    {"rectangle", 4, op::rectangle, op::rectangle, false},
    {"circle", 3, op::circle, op::circle, false},
    {"line", 4, op::line, op::line, false},
    {"lineto", 2, op::lineTo, op::lineTo, false},
    {"moveto", 2, op::moveTo, op::moveTo, false},
    {"point", 3, op::pointOnCanvas, op::pointInBuffer, false},
    {"color", 2, op::colorOnCanvas, op::colorInBuffer, true},
    {"remainder", 2, op::remainder, op::remainder, true},
    {"painting", 4, op::painting, op::painting, false},
};

constexpr const char* kBoardHostNames[] = {"x", "y"};
constexpr NamedConstant kBoardMarks[] = {{"tit", -1}, {"tat", 1}, {"empty", 0}};
constexpr MultiArgumentFunction kBoardFunctions[] = {
    {"square", 2, op::square, op::square, true},
    {"move", 2, op::move, op::move, false},
};

const Vocabulary kPainter{VocabularyKind::Painter, "painter", kPainterHostNames, kPainterAssigned,
                          kPainterColours, kMathFunctions, kPainterFunctions};
const Vocabulary kBoard{VocabularyKind::Board, "board", kBoardHostNames, {}, kBoardMarks, kMathFunctions,
                        kBoardFunctions};
const Vocabulary kLock{VocabularyKind::Lock, "lock", {}, {}, {}, kLockFunctions, {}};

template <typename Entry>
const Entry* findByName(std::span<const Entry> entries, std::string_view name) {
    const auto it = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return name == e.name; });
    return it == entries.end() ? nullptr : &*it;
}

}  // namespace

const OneArgumentFunction* Vocabulary::findOneArgument(std::string_view name) const {
    return findByName(oneArgumentFunctions, name);
}

const MultiArgumentFunction* Vocabulary::findMultiArgument(std::string_view name) const {
    return findByName(multiArgumentFunctions, name);
}

const AssignedName* Vocabulary::findAssigned(std::string_view name) const {
    return findByName(assignedNames, name);
}

bool Vocabulary::isConstant(std::string_view name) const { return findByName(constants, name) != nullptr; }

const Vocabulary& vocabularyOf(VocabularyKind kind) {
    switch (kind) {
        case VocabularyKind::Board: return kBoard;
        case VocabularyKind::Lock: return kLock;
        case VocabularyKind::Painter: break;
    }
    return kPainter;
}

std::optional<VocabularyKind> vocabularyNamed(std::string_view name) {
    for (auto kind : {VocabularyKind::Painter, VocabularyKind::Board, VocabularyKind::Lock})
        if (name == vocabularyOf(kind).title) return kind;
    return std::nullopt;
}

}  // namespace zolt
