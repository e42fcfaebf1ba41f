// Every operation an instruction can carry. Each reads its operands through engine.current.
#pragma once

#include "instruction.h"

namespace zolt::op {

// Two-operand operators and assignments.
void power(Engine&);
void multiply(Engine&);
void divide(Engine&);
void add(Engine&);
void subtract(Engine&);
void greater(Engine&);
void less(Engine&);
void greaterOrEqual(Engine&);
void lessOrEqual(Engine&);
void equal(Engine&);
void notEqual(Engine&);
void logicalAnd(Engine&);
void logicalOr(Engine&);
void assign(Engine&);

// One-argument functions.
void sgn(Engine&);
void sin(Engine&);
void cos(Engine&);
void tg(Engine&);
void arctg(Engine&);
void arcsin(Engine&);
void arccos(Engine&);
void toInt(Engine&);
void abs(Engine&);
void random(Engine&);
void exp(Engine&);
void ln(Engine&);
void sqroot(Engine&);

// Control.
void nothing(Engine&);  // "pusto();" and instructions left without a handler by a compile error
void conditional(Engine&);
void jump(Engine&);
void print(Engine&);

// Painter.
void assignPenColor(Engine&);
void assignPenWidth(Engine&);
void assignBrushColor(Engine&);
void ellipse(Engine&);
void rectangle(Engine&);
void circle(Engine&);
void line(Engine&);
void lineTo(Engine&);
void moveTo(Engine&);
void pointOnCanvas(Engine&);
void pointInBuffer(Engine&);
void colorOnCanvas(Engine&);
void colorInBuffer(Engine&);
void remainder(Engine&);
void painting(Engine&);

// Board game.
void square(Engine&);
void move(Engine&);

// Lock game.
void ask(Engine&);
void open(Engine&);

// The printable name of a handler, for the disassembler.
const char* nameOf(Handler handler);

// Conversion of a script value to an integer: toward zero, saturating, NaN as 0.
int truncate(double value);

}  // namespace zolt::op
