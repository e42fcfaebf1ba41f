// Operators, one-argument functions and control operations shared by every program.
#include <cmath>
#include <cstdio>
#include <limits>

#include "engine.h"
#include "operations.h"

namespace zolt::op {
namespace {

inline const Instruction& here(Engine& e) { return *e.current; }
inline double a(Engine& e) { return *e.current->operandA; }
inline double b(Engine& e) { return *e.current->operandB; }
inline void result(Engine& e, double value) { *e.current->result = value; }

}  // namespace

int truncate(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<int>::max();
    if (value <= -2147483648.0) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

void power(Engine& e) { result(e, std::pow(a(e), b(e))); }
void multiply(Engine& e) { result(e, a(e) * b(e)); }
void divide(Engine& e) {
    if (b(e) == 0) return e.stopRun(110);
    result(e, a(e) / b(e));
}
void add(Engine& e) { result(e, a(e) + b(e)); }
void subtract(Engine& e) { result(e, a(e) - b(e)); }
void greater(Engine& e) { result(e, a(e) > b(e)); }
void less(Engine& e) { result(e, a(e) < b(e)); }
void greaterOrEqual(Engine& e) { result(e, a(e) >= b(e)); }
void lessOrEqual(Engine& e) { result(e, a(e) <= b(e)); }
void equal(Engine& e) { result(e, a(e) == b(e)); }
void notEqual(Engine& e) { result(e, a(e) != b(e)); }
void logicalAnd(Engine& e) { result(e, a(e) == 1 && b(e) == 1); }
void logicalOr(Engine& e) { result(e, a(e) == 1 || b(e) == 1); }
void assign(Engine& e) { *here(e).operandA = b(e); }

void sgn(Engine& e) { result(e, b(e) > 0 ? 1 : b(e) < 0 ? -1 : 0); }
void sin(Engine& e) { result(e, std::sin(b(e))); }
void cos(Engine& e) { result(e, std::cos(b(e))); }
void tg(Engine& e) {
    if (std::cos(b(e)) == 0) return e.stopRun(140);
    result(e, std::tan(b(e)));
}
void arctg(Engine& e) { result(e, std::atan(b(e))); }
void arcsin(Engine& e) {
    if (b(e) < -1 || b(e) > 1) return e.stopRun(150);
    result(e, std::asin(b(e)));
}
void arccos(Engine& e) {
    if (b(e) < -1 || b(e) > 1) return e.stopRun(160);
    result(e, std::acos(b(e)));
}
void toInt(Engine& e) { result(e, truncate(b(e))); }
void abs(Engine& e) { result(e, std::fabs(b(e))); }
void random(Engine& e) { result(e, e.random.fraction()); }
void exp(Engine& e) { result(e, std::exp(b(e))); }
void ln(Engine& e) {
    if (b(e) < 0) return e.stopRun(130);
    result(e, std::log(b(e)));
}
void sqroot(Engine& e) {
    if (b(e) < 0) return e.stopRun(120);
    result(e, std::sqrt(b(e)));
}

void nothing(Engine&) {}
void conditional(Engine& e) {
    Instruction& i = *e.current;
    i.next = *i.operandB != 0 ? i.chain : i.alternative;
}
void jump(Engine&) {}
void print(Engine& e) {
    if (!e.hooks.print) return;
    char text[400];
    std::snprintf(text, sizeof text, "%f", b(e));
    e.hooks.print(text);
}

}  // namespace zolt::op
