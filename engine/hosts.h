// The narrow interfaces through which drawing and board built-ins reach their program's window.
#pragma once

#include <string>

namespace zolt {

// The painter's canvases. Coordinates arrive with the origin already added and truncated.
class PainterHost {
public:
    virtual ~PainterHost() = default;

    // Pen and brush of both the visible and the working image.
    virtual void setPenColor(int color) = 0;
    virtual void setPenWidth(int width) = 0;
    virtual void setBrushColor(int color) = 0;

    virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    virtual void setPixel(int x, int y, int color) = 0;
    // Colour of the read source at (x, y), or -1 outside the image.
    virtual int pixel(int x, int y) = 0;
    // Sets the brush colour of the draw target, then fills the area of areaColor around (x, y).
    virtual void fill(int x, int y, int brushColor, int areaColor) = 0;
    virtual void drawText(int x, int y, const std::string& text) = 0;
};

// A 24-bit bottom-up bitmap file image in memory: 54-byte header, then rows of B, G, R.
struct PixelBuffer {
    unsigned char* bytes = nullptr;  // the whole file image, header included
    int width = 0;
    int height = 0;

    int stride() const { return (3 * width + 3) / 4 * 4; }
    bool contains(int x, int y) const { return bytes && x >= 0 && y >= 0 && x < width && y < height; }
    unsigned char* at(int x, int y) const { return bytes + 54 + 3 * x + (height - 1 - y) * stride(); }
};

// The board game's 20 x 20 board.
class BoardHost {
public:
    virtual ~BoardHost() = default;
    // 0 the player's mark, 1 an empty square, 2 the computer's mark; i and j from 0 to 19.
    virtual int boardCell(int i, int j) const = 0;
    // Puts the computer's mark on an empty square and shows it.
    virtual void placeComputerMark(int i, int j) = 0;
};

}  // namespace zolt
