// Helpers shared by the engine tests: compile-and-run in one call, and recording hosts.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine.h"

namespace zolt::testing {

// Compiles and runs `program`, failing the test on a compile error.
inline void compileAndRun(Engine& engine, const std::string& program) {
    ASSERT_EQ(engine.CompileProgram(program), 0) << program;
    engine.RunProgram(engine.entryInstruction());
}

// Records every drawing call as one line of text.
class RecordingPainter : public PainterHost {
public:
    std::vector<std::string> calls;
    int pixelValue = 0;

    void setPenColor(int c) override { record("pen", {c}); }
    void setPenWidth(int w) override { record("width", {w}); }
    void setBrushColor(int c) override { record("brush", {c}); }
    void ellipse(int a, int b, int c, int d) override { record("ellipse", {a, b, c, d}); }
    void rectangle(int a, int b, int c, int d) override { record("rectangle", {a, b, c, d}); }
    void moveTo(int x, int y) override { record("moveto", {x, y}); }
    void lineTo(int x, int y) override { record("lineto", {x, y}); }
    void setPixel(int x, int y, int c) override { record("pixel", {x, y, c}); }
    int pixel(int x, int y) override {
        record("read", {x, y});
        return pixelValue;
    }
    void fill(int x, int y, int b, int a) override { record("fill", {x, y, b, a}); }
    void drawText(int x, int y, const std::string& t) override { record("text " + t, {x, y}); }

private:
    void record(const std::string& what, std::initializer_list<int> values) {
        std::string line = what;
        for (int v : values) line += " " + std::to_string(v);
        calls.push_back(line);
    }
};

}  // namespace zolt::testing
