// The compiler: an operator-precedence parser that reads the internal notation one character at a
// time, without lookahead, and emits each instruction the moment a reduction allows it.
#include <charconv>
#include <cmath>
#include <cstring>

#include "engine.h"
#include "operations.h"

namespace zolt {
namespace {

constexpr int kNameCharacter = -1;
constexpr int kLabelMark = 5;

// Operator priorities; smaller binds tighter. Every other byte is a name character.
int priorityOf(char c) {
    switch (c) {
        case '(': return 0;
        case ':': return kLabelMark;
        case '^': return 10;
        case '*': case '/': return 20;
        case '+': case '-': return 30;
        case '=': case '$': case '~': case '<': case '>': case '{': case '}': return 40;
        case '&': case '|': return 50;
        case ',': return 60;
        case ')': case ';': case '\n': case '?': return 70;
        default: return kNameCharacter;
    }
}

Handler binaryHandler(char op) {
    switch (op) {
        case '^': return op::power;
        case '*': return op::multiply;
        case '/': return op::divide;
        case '+': return op::add;
        case '-': return op::subtract;
        case '>': return op::greater;
        case '<': return op::less;
        case '}': return op::greaterOrEqual;
        case '{': return op::lessOrEqual;
        case '$': return op::equal;
        case '~': return op::notEqual;
        case '&': return op::logicalAnd;
        case '|': return op::logicalOr;
        default: return op::assign;
    }
}

bool isStatementEnd(char op) { return op == ';' || op == '\n'; }
bool isTempName(std::string_view name) { return !name.empty() && name[0] == '+'; }

// The value of the longest prefix that reads as a decimal number: digits, an optional point with
// fraction digits, an optional exponent of digits without sign. "12ab" is 12, "1e" is 1.
double literalValue(std::string_view name) {
    size_t end = 0;
    auto digitsFrom = [&](size_t p) {
        while (p < name.size() && name[p] >= '0' && name[p] <= '9') ++p;
        return p;
    };
    end = digitsFrom(0);
    if (end < name.size() && name[end] == '.') end = digitsFrom(end + 1);
    if (end + 1 < name.size() && (name[end] == 'e' || name[end] == 'E') && name[end + 1] >= '0' &&
        name[end + 1] <= '9')
        end = digitsFrom(end + 1);
    double value = 0;
    const auto result = std::from_chars(name.data(), name.data() + end, value);
    // Without a sign nothing underflows: a literal out of range is too large.
    if (result.ec == std::errc::result_out_of_range) value = HUGE_VAL;
    return value;
}

}  // namespace

void Engine::fail(int code, std::string_view name) {
    errorCode_ = code;
    if (!name.empty() || code == 80 || code == 90 || code == 95 || code == 97) errorName_ = std::string(name);
}

void Engine::BeginCompile() {
    labels_.clear();
    pendingJumps_.clear();
    entryMark_ = 'i';
    entry_ = nullptr;
    emitterMark_ = 'n';
    nameDone_ = false;
    level_ = 0;
    nameIndex_ = -1;
    ifTop_ = -1;
    errorCode_ = 0;
    parse_[0] = ParseLevel{};
}

int Engine::CompileProgram(std::string_view text) {
    BeginCompile();
    for (char c : text) {
        if (c == 0 || errorCode_ != 0) break;
        CompileChar(c);
    }
    if (errorCode_ != 0) return errorCode_;
    return FinishCompile();
}

void Engine::CompileChar(char c) {
    if (c == 0) return;
    ParseLevel& here = parse_[level_];
    const int priority = priorityOf(c);
    if (priority == kNameCharacter) {
        nameDone_ = false;
        if (nameIndex_ + 1 >= kNameLength) {
            here.name[kNameLength] = 0;
            return fail(kNameTooLong, std::string_view(here.name, nameIndex_ + 1));
        }
        here.name[++nameIndex_] = c;
        return;
    }

    here.op = c;
    here.priority = priority;
    if (!nameDone_) here.name[nameIndex_ + 1] = 0;
    nameDone_ = false;
    nameIndex_ = -1;

    if (c == ':') {
        const std::string_view name = here.view();
        if (name == "elsed") {
            if (ifTop_ < 0) return fail(kElseWithoutConditional, name);
            // An empty then-part still needs an instruction for the else-part to be skipped from.
            if (current == ifStack_[ifTop_].conditional) {
                Instruction* empty = emitInstruction();
                empty->handler = op::nothing;
                empty->operandA = empty->operandB = empty->result = &zero_;
            }
            if (ifTop_ >= 0) ifStack_[ifTop_].thenEnd = current;
            emitterMark_ = 'e';
        } else if (name == "d_a_l") {
            if (ifTop_ < 0) return fail(kEndWithoutConditional, name);
            emitterMark_ = 'd';
        } else {
            if (name.size() > kLabelLength) return fail(kLabelTooLong, name);
            emitterMark_ = 'm';
            pendingLabel_ = std::string(name);
        }
        return;
    }

    reduce();
}

// Reduces the parse stack as far as the priority of the operator just read allows.
void Engine::reduce() {
    reductionSteps_ = 0;
    const bool lockVariant = vocabulary_->kind == VocabularyKind::Lock;
    for (;;) {
        if (level_ <= 0 || errorCode_ != 0) break;
        const ParseLevel& below = parse_[level_ - 1];
        const ParseLevel& top = parse_[level_];
        const bool closesGroup = below.op == '(' && top.op == ')';
        const bool bindsTighter = below.op != '(' &&
                                  (below.priority < top.priority ||
                                   (below.priority == top.priority && top.priority != 40 && top.priority != 60));
        if (!closesGroup && !bindsTighter) break;

        if (++reductionSteps_ > 50) {
            if (lockVariant) return fail(99);
            if (hooks.showCompileStop) hooks.showCompileStop(true);
        }
        if (!lockVariant && hooks.processMessages) {
            hooks.processMessages();
            if (errorCode_ != 0) break;  // the compile Stop button was pressed
        }
        if (!reduceOnce()) return;  // the character is consumed, or an error was set
    }
    if (errorCode_ != 0) return;

    if (isStatementEnd(parse_[level_].op) && (level_ == 0 || parse_[level_ - 1].op == '(')) --level_;
    ++level_;
    if (level_ >= kParseLevels - 1) return fail(98);
    parse_[level_] = ParseLevel{};
}

// One step of the reduction loop. Returns false when the character is fully consumed or failed.
bool Engine::reduceOnce() {
    ParseLevel& below = parse_[level_ - 1];
    ParseLevel& top = parse_[level_];
    if (below.op == '(' && top.op == ')') {
        if (below.empty()) {  // a parenthesised expression or statement group
            std::memcpy(below.name, top.name, sizeof below.name);
            nameDone_ = true;
            --level_;
        } else {
            compileOneArgumentCall();
        }
        return false;
    }
    if (below.op == ',') {
        compileMultiArgumentCall();
        return false;
    }
    bool progressed = false;
    if (below.op == '?') {
        Instruction* print = emitInstruction();
        print->handler = op::print;
        print->operandA = print->result = &zero_;
        bindOperand(level_, 1);
        --level_;
        parse_[level_].op = parse_[level_ + 1].op;
        parse_[level_].priority = parse_[level_ + 1].priority;
        progressed = true;
    }
    if (level_ > 0 && parse_[level_ - 1].priority > 0 && parse_[level_ - 1].priority < 60) {
        if (!compileBinaryOperator()) return false;
        progressed = true;
    } else if (!progressed && level_ > 0 && isStatementEnd(parse_[level_].op) &&
               isStatementEnd(parse_[level_ - 1].op)) {
        --level_;
        progressed = true;
    }
    if (!progressed) {
        // Nothing reduces: a malformed text (such as a stray ")") would loop here for ever.
        fail(kExpressionNotReducible);
        return false;
    }
    return errorCode_ == 0;
}

bool Engine::compileBinaryOperator() {
    const ParseLevel& left = parse_[level_ - 1];
    Instruction* instruction = emitInstruction();
    instruction->handler = binaryHandler(left.op);
    if (left.op == '=') {
        const std::string_view target = left.view();
        if (target.empty()) {
            instruction->handler = op::nothing;
            fail(kAssignmentToNothing);
            return false;
        }
        if (const AssignedName* assigned = vocabulary_->findAssigned(target)) {
            instruction->handler = assigned->assign;
        } else if (vocabulary_->isConstant(target)) {
            instruction->handler = op::nothing;
            fail(97, target);
            return false;
        }
    }
    bindOperand(level_ - 1, 0);
    bindOperand(level_, 1);
    bindResult();
    --level_;
    parse_[level_].op = parse_[level_ + 1].op;
    parse_[level_].priority = parse_[level_ + 1].priority;
    setResultName(resultName_);
    return true;
}

void Engine::setResultName(std::string_view name) {
    ParseLevel& level = parse_[level_];
    const size_t length = std::min(name.size(), static_cast<size_t>(kNameLength));
    std::memcpy(level.name, name.data(), length);
    level.name[length] = 0;
}

void Engine::compileOneArgumentCall() {
    const std::string name(parse_[level_ - 1].view());
    Instruction* instruction = emitInstruction();
    instruction->handler = op::nothing;
    if (name == "pusto") {
        instruction->operandA = instruction->operandB = instruction->result = &zero_;
        --level_;
        setResultName(")");  // a name no program text can spell
        nameDone_ = true;
    } else if (const OneArgumentFunction* function = vocabulary_->findOneArgument(name)) {
        instruction->handler = function->handler;
        instruction->operandA = &zero_;
        bindOperand(level_, 1);
        bindResult();
        --level_;
        setResultName(resultName_);
        nameDone_ = true;
    } else if (name == "ifdo") {
        if (ifTop_ + 1 >= kOpenConditionals) return fail(kTooManyOpenConditionals);
        instruction->handler = op::conditional;
        instruction->result = &zero_;
        bindOperand(level_, 1);
        ifStack_[++ifTop_] = OpenConditional{instruction, nullptr};
        instruction->alternative = nullptr;
        --level_;
    } else if (name == "gotodopol") {
        instruction->handler = op::jump;
        const std::string label(parse_[level_].view());
        Label* known = findLabel(label);
        if (known && known->target) {
            instruction->next = known->target;
        } else {
            if (!known) labels_.push_back(Label{label, nullptr});
            pendingJumps_.push_back(PendingJump{label, instruction});
        }
        --level_;
    } else {
        fail(80, name);
    }
}

void Engine::compileMultiArgumentCall() {
    // The arguments stand on the levels above the function name, whose operator is "(".
    int nameLevel = level_ - 1;
    while (nameLevel >= 0 && parse_[nameLevel].op != '(') --nameLevel;
    if (nameLevel < 0) return fail(kCommaOutsideCall);
    argumentCount_ = level_ - nameLevel;
    if (argumentCount_ > kMaxArguments) return fail(kTooManyArguments, parse_[nameLevel].view());

    Instruction* instruction = emitInstruction();
    instruction->handler = op::nothing;
    instruction->arguments = &argumentLists_.emplace_back();
    instruction->arguments->fill(nullptr);
    for (int k = 1; k <= argumentCount_; ++k) {
        bindOperand(level_, 10 + k);
        --level_;
    }
    const std::string name(parse_[level_].view());
    const MultiArgumentFunction* function = vocabulary_->findMultiArgument(name);
    if (!function) return fail(90, name);
    instruction->handler = drawMode_ == 'b' ? function->bufferHandler : function->canvasHandler;
    if (function->arity != argumentCount_) {
        expectedCount_ = function->arity;
        return fail(95, name);
    }
    if (function->returnsValue) {
        ++level_;
        bindResult();
        --level_;
        setResultName(resultName_);
        nameDone_ = true;
    }
}

void Engine::bindOperand(int level, int slot) {
    const std::string_view name = parse_[level].view();
    Cell* cell;
    if (!name.empty() && name[0] >= '0' && name[0] <= '9') {
        const double value = literalValue(name);
        cell = newCell(value);
        literalValues_.emplace(cell, value);
    } else {
        cell = &this->cell(name);
    }
    switch (slot) {
        case 0: current->operandA = cell; break;
        case 1: current->operandB = cell; break;
        default: (*current->arguments)[slot - 10] = cell; break;
    }
}

void Engine::bindResult() {
    const std::string_view left = parse_[level_ - 1].view();
    const std::string_view right = parse_[level_].view();
    if (isTempName(left) || isTempName(right)) {
        resultName_ = std::string(isTempName(left) ? left : right);
    } else {
        int depth = 1;
        for (int k = 0; k < level_; ++k)
            if (isTempName(parse_[k].view())) ++depth;
        resultName_ = {'+', static_cast<char>(depth), '!'};
    }
    current->result = &cell(resultName_);
}

Engine::Label* Engine::findLabel(std::string_view name) {
    for (auto& label : labels_)
        if (label.name == name) return &label;
    return nullptr;
}

// Appends an instruction to the chain and settles the links that were waiting for it.
Instruction* Engine::emitInstruction() {
    Instruction* instruction = &instructions_.emplace_back();
    instruction->chain = &terminator_;
    if (!chainTail_) {
        chainHead_ = instruction;
    } else {
        chainTail_->chain = instruction;
        if (chainTail_->handler != op::jump && entryMark_ != 'i') chainTail_->next = instruction;
    }
    chainTail_ = instruction;
    current = instruction;
    if (entryMark_ == 'i') {
        entry_ = instruction;
        entryMark_ = 'n';
    }
    settleEmitterMark(instruction);
    return instruction;
}

void Engine::settleEmitterMark(Instruction* instruction) {
    switch (emitterMark_) {
        case 'd':
            if (ifTop_ >= 0) {
                OpenConditional& open = ifStack_[ifTop_--];
                if (!open.conditional->alternative)
                    open.conditional->alternative = instruction;
                else if (open.thenEnd && open.thenEnd->handler != op::jump)
                    open.thenEnd->next = instruction;
            }
            break;
        case 'e':
            if (ifTop_ >= 0) ifStack_[ifTop_].conditional->alternative = instruction;
            break;
        case 'm': {
            Label* label = findLabel(pendingLabel_);
            if (!label) {
                labels_.push_back(Label{pendingLabel_, instruction});
            } else {
                if (label->target) fail(70, {});
                label->target = instruction;
            }
            break;
        }
        default: return;
    }
    emitterMark_ = 'n';
}

int Engine::FinishCompile() {
    // A text that ends inside brackets, inside a statement or inside a conditional would leave
    // instructions whose links lead past the program, into whatever is compiled next.
    if (level_ > 0) {
        for (int k = 0; k < level_; ++k)
            if (parse_[k].op == '(') return errorCode_ = 25;
        return errorCode_ = kStatementNotEnded;
    }
    if (ifTop_ >= 0) return errorCode_ = kConditionNotClosed;
    for (auto it = labels_.rbegin(); it != labels_.rend(); ++it) {
        if (!it->target) {
            pendingLabel_ = it->name;
            return errorCode_ = 60;
        }
    }
    for (const auto& pending : pendingJumps_) pending.jump->next = findLabel(pending.name)->target;
    return errorCode_;
}

}  // namespace zolt
