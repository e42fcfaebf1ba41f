// The wire-frame tunnel behind the lock window: which frame comes next and which lines it draws.
#pragma once

#include <array>
#include <vector>

namespace lockgame {

// Parameters of one frame of the tunnel.
struct TunnelFrame {
    int step = 0;    // angle between polygon corners, degrees
    int twist = 0;   // how far each ring's far corners are turned, degrees
    int start = 0;   // the shape's running start angle
    int rot = 0;     // the rotation of this frame
    int offset = 0;  // m: how far the rings have moved towards the viewer (0, 2, ... 38)
};

// Steps through the frames for ever: seven shapes, three twists each, five rotation phases each,
// 240 frames each.
class TunnelAnimation {
public:
    static constexpr int kShapes = 7;
    static constexpr int kTwists = 3;
    static constexpr int kPhases = 5;
    static constexpr int kFramesPerPhase = 240;

    TunnelFrame next();

    int shape() const { return shape_; }
    int twistIndex() const { return twist_; }
    int phase() const { return phase_; }

private:
    void beginPhase();

    int shape_ = 0, twist_ = 0, phase_ = 0, frame_ = 0;
    int start_ = 0, rot_ = 0, dir_ = 0;
};

struct TunnelLine {
    int x1, y1, x2, y2;
    int level;  // red and green of the pen; blue is always 255
};

// Sine and cosine of the whole degrees 0 to 480.
class DegreeTable {
public:
    DegreeTable();
    // Angles above 360 are brought back into the table by steps of 360.
    double sine(int degrees) const { return sin_[reduce(degrees)]; }
    double cosine(int degrees) const { return cos_[reduce(degrees)]; }

private:
    static int reduce(int degrees);
    std::array<double, 481> sin_{}, cos_{};
};

// The lines of one frame around the centre, far rings first.
std::vector<TunnelLine> tunnelLines(const TunnelFrame& frame, int centreX, int centreY, const DegreeTable& table);

}  // namespace lockgame
