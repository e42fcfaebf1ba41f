// The engine: all state of one executable's script language — cells, name tables, the instruction
// chain, the compiler and the executor — in one object that the host owns.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "errors.h"
#include "hosts.h"
#include "instruction.h"
#include "random.h"
#include "vocabulary.h"

namespace zolt {

// What the host lets the engine do to the window. Unset hooks do nothing.
struct EngineHooks {
    std::function<void()> processMessages;
    std::function<void(bool)> showRunStop;      // BStopC
    std::function<void(bool)> showCompileStop;  // BStopI
    std::function<void(int)> showError;         // called by RunProgram when a run stops
    std::function<void(const std::string&)> print;  // the `?` statement, text already formatted
    std::function<void()> askAgain;             // lock: a second `ask` empties the password field
    std::function<void()> open;                 // lock: the lock opened
};

enum class LockRunEnd { Finished, Stopped, LimitHit };

class Engine {
public:
    static constexpr int kNameLength = 39;
    static constexpr int kLabelLength = 35;
    static constexpr int kParseLevels = 30;
    static constexpr int kOpenConditionals = 10;
    static constexpr long kLockInstructionLimit = 1000;

    explicit Engine(VocabularyKind kind);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    const Vocabulary& vocabulary() const { return *vocabulary_; }
    EngineHooks hooks;

    // --- compiling ------------------------------------------------------------------------
    void setDrawMode(char mode) { drawMode_ = mode == 'b' ? 'b' : 'n'; }
    char drawMode() const { return drawMode_; }

    void BeginCompile();
    void CompileChar(char c);
    int FinishCompile();
    // Compiles a text in the internal notation (Windows-1251); stops at the first zero byte.
    int CompileProgram(std::string_view text);

    // First instruction of the program compiled last; empty if it emitted none.
    Instruction* entryInstruction() const { return entry_; }
    int errorCode() const { return errorCode_; }
    // Texts the error table builds the messages of the last compile error from.
    ErrorDetails errorDetails() const;
    // Codes set from outside the compiler (the compile Stop button).
    void setErrorCode(int code) { errorCode_ = code; }

    // --- running --------------------------------------------------------------------------
    void RunProgram(Instruction* start);
    // One attempt of a lock: at most 1,000 instructions, no messages, nothing shown.
    LockRunEnd RunLock(Instruction* start);
    // A run of at most `limit` instructions, with no messages and nothing shown; LimitHit when
    // another instruction would have run.
    LockRunEnd RunBounded(Instruction* start, long long limit);
    // The Stop button during a run.
    void RequestStop();

    bool running() const { return running_; }
    int runError() const { return runError_; }
    // Called by a handler: ends the run after the current instruction.
    void stopRun(int code) {
        running_ = false;
        runError_ = code;
        current = &stopped_;  // its empty NextLink ends the loop without a second test per step
    }

    // --- names and cells ------------------------------------------------------------------
    // The cell of a name in the VariableTable, created with value 0 if it is not there yet.
    Cell& cell(std::string_view name);
    // The cell of a name, or null if the name is not in the VariableTable.
    Cell* findCell(std::string_view name);
    Cell* zeroCell() { return &zero_; }
    const Cell* zeroCell() const { return &zero_; }
    // Sets every variable to 0, except the names listed.
    void ClearVariables(std::initializer_list<std::string_view> keep = {});
    // Every name in the VariableTable with its cell, oldest first (the empty name excluded).
    std::vector<std::pair<std::string, Cell*>> variables() const;

    // --- built-ins' state -----------------------------------------------------------------
    Instruction* current = nullptr;  // the instruction whose handler runs
    Random random;

    PainterHost* painter = nullptr;  // null: drawing does nothing
    double originX = 0, originY = 0;
    PixelBuffer writeBuffer, readBuffer;

    BoardHost* board = nullptr;      // null: an empty board that takes every move

    double enteredValue = 0;  // lock: the number the player entered
    bool askUsed = false;     // lock: `ask` already ran in this attempt

    // --- inspection -----------------------------------------------------------------------
    // The instructions emitted since `entry`, in emission order, up to the end of the chain.
    std::vector<const Instruction*> chainFrom(const Instruction* entry) const;
    // A printable name for a cell: its variable name, or the literal's value.
    std::string cellName(const Cell* cell) const;

private:
    struct ParseLevel {
        char name[kNameLength + 1] = {};
        char op = 0;
        int priority = 0;
        bool empty() const { return name[0] == 0; }
        std::string_view view() const { return name; }
    };
    struct Label {
        std::string name;
        Instruction* target = nullptr;
    };
    struct PendingJump {
        std::string name;
        Instruction* jump = nullptr;
    };
    struct OpenConditional {
        Instruction* conditional = nullptr;
        Instruction* thenEnd = nullptr;
    };

    void registerPredefinedNames();
    Instruction* emitInstruction();
    void settleEmitterMark(Instruction* instruction);
    void reduce();
    bool reduceOnce();
    void compileOneArgumentCall();
    void compileMultiArgumentCall();
    bool compileBinaryOperator();
    void bindOperand(int level, int slot);
    void bindResult();
    Cell* newCell(double value);
    void setResultName(std::string_view name);
    void fail(int code, std::string_view name = {});
    Label* findLabel(std::string_view name);

    const Vocabulary* vocabulary_;
    char drawMode_ = 'n';

    // Arenas: addresses stay valid for the life of the engine, and everything is released once.
    std::deque<Cell> cells_;
    std::deque<Instruction> instructions_;
    std::deque<ArgumentList> argumentLists_;

    // VariableTable: names in insertion order, with an index for lookup.
    Cell zero_ = 0;
    std::vector<std::pair<std::string, Cell*>> variableOrder_;
    std::unordered_map<std::string, Cell*> variableIndex_;
    std::unordered_map<const Cell*, double> literalValues_;  // for printing only

    Instruction terminator_;
    Instruction stopped_;
    Instruction* chainHead_ = &terminator_;
    Instruction* chainTail_ = nullptr;
    Instruction* entry_ = nullptr;
    char entryMark_ = 'n';
    char emitterMark_ = 'n';
    std::string pendingLabel_;
    std::vector<Label> labels_;
    std::vector<PendingJump> pendingJumps_;
    OpenConditional ifStack_[kOpenConditionals];
    int ifTop_ = -1;

    ParseLevel parse_[kParseLevels];
    int level_ = 0;
    int nameIndex_ = -1;
    bool nameDone_ = false;
    int reductionSteps_ = 0;
    std::string resultName_;

    int errorCode_ = 0;
    std::string errorName_;
    int expectedCount_ = 0;
    int argumentCount_ = 0;

    bool running_ = false;
    int runError_ = 0;
};

}  // namespace zolt
