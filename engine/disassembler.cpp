#include "disassembler.h"

#include <cstdio>
#include <unordered_map>

#include "operations.h"

namespace zolt {
namespace op {

namespace {
struct OperationName {
    Handler handler;
    const char* name;
};

// The single list of operations with their printable names.
constexpr OperationName kOperationNames[] = {
    {power, "power"}, {multiply, "multiply"}, {divide, "divide"}, {add, "add"}, {subtract, "subtract"},
    {greater, "greater"}, {less, "less"}, {greaterOrEqual, "greater-or-equal"},
    {lessOrEqual, "less-or-equal"}, {equal, "equal"}, {notEqual, "not-equal"}, {logicalAnd, "and"},
    {logicalOr, "or"}, {assign, "assign"},
    {sgn, "sgn"}, {sin, "sin"}, {cos, "cos"}, {tg, "tg"}, {arctg, "arctg"}, {arcsin, "arcsin"},
    {arccos, "arccos"}, {toInt, "int"}, {abs, "abs"}, {random, "rnddopoln"}, {exp, "exp"}, {ln, "ln"},
    {sqroot, "sqroot"},
    {nothing, "pusto"}, {conditional, "ifdo"}, {jump, "gotodopol"}, {print, "print"},
    {assignPenColor, "assign-coloroflines"}, {assignPenWidth, "assign-widthoflines"},
    {assignBrushColor, "assign-coloroffilling"}, {ellipse, "ellipse"}, {rectangle, "rectangle"},
    {circle, "circle"}, {line, "line"}, {lineTo, "lineto"}, {moveTo, "moveto"},
    {pointOnCanvas, "point"}, {pointInBuffer, "point-buffer"}, {colorOnCanvas, "color"},
    {colorInBuffer, "color-buffer"}, {remainder, "remainder"}, {painting, "painting"},
    {square, "square"}, {move, "move"}, {ask, "ask"}, {open, "open"},
};
}  // namespace

const char* nameOf(Handler handler) {
    for (const auto& entry : kOperationNames)
        if (entry.handler == handler) return entry.name;
    return "?";
}

}  // namespace op

std::string disassemble(const Engine& engine, const Instruction* entry) {
    const auto chain = engine.chainFrom(entry);
    std::unordered_map<const Instruction*, size_t> number;
    for (size_t k = 0; k < chain.size(); ++k) number[chain[k]] = k + 1;
    auto target = [&](const Instruction* i) -> std::string {
        if (!i) return "end";
        const auto it = number.find(i);
        return it == number.end() ? "?" : std::to_string(it->second);
    };

    std::string out;
    for (const Instruction* i : chain) {
        char head[64];
        std::snprintf(head, sizeof head, "%4zu  %-12s", number[i], op::nameOf(i->handler));
        std::string line = head;
        if (i->arguments) {
            // Element 1 is the last argument; unused elements are empty.
            int count = 0;
            while (count < kMaxArguments && (*i->arguments)[count + 1]) ++count;
            line += " (";
            for (int k = count; k >= 1; --k) line += engine.cellName((*i->arguments)[k]) + (k > 1 ? ", " : "");
            line += ")";
        } else {
            const bool noOperands = i->operandA == engine.zeroCell() && i->operandB == engine.zeroCell();
            if (i->operandA && !noOperands) line += " a=" + engine.cellName(i->operandA);
            if (i->operandB && !noOperands) line += " b=" + engine.cellName(i->operandB);
        }
        const bool assignment = i->handler == op::assign || i->handler == op::assignPenColor ||
                                i->handler == op::assignPenWidth || i->handler == op::assignBrushColor;
        if (i->result && i->result != engine.zeroCell() && !assignment)
            line += " -> " + engine.cellName(i->result);
        if (i->handler == op::conditional)
            line += "  true " + target(i->chain) + " false " + target(i->alternative);
        else
            line += "  next " + target(i->next);
        out += line + "\n";
    }
    return out;
}

}  // namespace zolt
