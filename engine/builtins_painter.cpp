// The painter's drawing operations, through the PainterHost; "point" and "color" also on the
// in-memory pixel buffer.
#include "engine.h"
#include "operations.h"

namespace zolt::op {
namespace {

int coordinateX(Engine& e, int k) { return truncate(e.current->argument(k) + e.originX); }
int coordinateY(Engine& e, int k) { return truncate(e.current->argument(k) + e.originY); }
int value(Engine& e, int k) { return truncate(e.current->argument(k)); }

}  // namespace

void assignPenColor(Engine& e) {
    assign(e);
    if (e.painter) e.painter->setPenColor(truncate(*e.current->operandA));
}
void assignPenWidth(Engine& e) {
    assign(e);
    if (e.painter) e.painter->setPenWidth(truncate(*e.current->operandA));
}
void assignBrushColor(Engine& e) {
    assign(e);
    if (e.painter) e.painter->setBrushColor(truncate(*e.current->operandA));
}

// Arguments are counted from the end: with four arguments, element 4 is the first.
void ellipse(Engine& e) {
    if (e.painter) e.painter->ellipse(coordinateX(e, 4), coordinateY(e, 3), coordinateX(e, 2), coordinateY(e, 1));
}
void rectangle(Engine& e) {
    if (e.painter)
        e.painter->rectangle(coordinateX(e, 4), coordinateY(e, 3), coordinateX(e, 2), coordinateY(e, 1));
}
void circle(Engine& e) {
    if (!e.painter) return;
    const int x = coordinateX(e, 3), y = coordinateY(e, 2), r = value(e, 1);
    e.painter->ellipse(x - r, y - r, x + r, y + r);
}
void line(Engine& e) {
    if (!e.painter) return;
    e.painter->moveTo(coordinateX(e, 4), coordinateY(e, 3));
    e.painter->lineTo(coordinateX(e, 2), coordinateY(e, 1));
}
void lineTo(Engine& e) {
    if (e.painter) e.painter->lineTo(coordinateX(e, 2), coordinateY(e, 1));
}
void moveTo(Engine& e) {
    if (e.painter) e.painter->moveTo(coordinateX(e, 2), coordinateY(e, 1));
}
void pointOnCanvas(Engine& e) {
    if (e.painter) e.painter->setPixel(coordinateX(e, 3), coordinateY(e, 2), value(e, 1));
}
void pointInBuffer(Engine& e) {
    const int x = coordinateX(e, 3), y = coordinateY(e, 2);
    if (!e.writeBuffer.contains(x, y)) return;
    const unsigned c = static_cast<unsigned>(value(e, 1));
    unsigned char* pixel = e.writeBuffer.at(x, y);
    pixel[0] = static_cast<unsigned char>(c >> 16);  // B
    pixel[1] = static_cast<unsigned char>(c >> 8);   // G
    pixel[2] = static_cast<unsigned char>(c);        // R
}
void colorOnCanvas(Engine& e) {
    *e.current->result = e.painter ? e.painter->pixel(coordinateX(e, 2), coordinateY(e, 1)) : -1;
}
void colorInBuffer(Engine& e) {
    const int x = coordinateX(e, 2), y = coordinateY(e, 1);
    if (!e.readBuffer.contains(x, y)) {
        *e.current->result = 0;
        return;
    }
    const unsigned char* pixel = e.readBuffer.at(x, y);
    *e.current->result = pixel[2] + 256.0 * pixel[1] + 65536.0 * pixel[0];
}
void remainder(Engine& e) {
    const int dividend = value(e, 2), divisor = value(e, 1);
    if (divisor == 0) return e.stopRun(110);
    // INT_MIN % -1 overflows; the remainder is 0 anyway.
    *e.current->result = divisor == -1 ? 0 : dividend % divisor;
}
void painting(Engine& e) {
    if (e.painter) e.painter->fill(coordinateX(e, 4), coordinateY(e, 3), value(e, 2), value(e, 1));
}

}  // namespace zolt::op
