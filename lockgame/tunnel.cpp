#include "tunnel.h"

#include <cmath>
#include <numbers>

namespace lockgame {
namespace {

struct Shape {
    int step;
    int startAngle;
};
constexpr Shape kShapeTable[TunnelAnimation::kShapes] = {{30, 0}, {45, 0}, {60, 0}, {90, 45},
                                                         {90, 0}, {120, 30}, {20, 0}};

}  // namespace

void TunnelAnimation::beginPhase() {
    const int s = kShapeTable[shape_].step;
    if (twist_ == 0 && phase_ == 0) start_ = kShapeTable[shape_].startAngle;
    switch (phase_) {
    case 0:
        rot_ = 0;
        dir_ = 0;
        break;
    case 1:
        start_ += rot_;
        rot_ = 0;
        dir_ = 1;
        break;
    case 2:
        start_ += rot_;
        rot_ = 0;
        dir_ = 0;
        break;
    case 3:
        start_ += rot_;
        rot_ = s;
        dir_ = -1;
        break;
    default:
        start_ += rot_;
        rot_ = 0;
        dir_ = 0;
        break;
    }
}

TunnelFrame TunnelAnimation::next() {
    const int s = kShapeTable[shape_].step;
    if (frame_ == 0) beginPhase();
    if (dir_ > 0) {
        if (++rot_ == s) rot_ = 0;
    } else if (dir_ < 0) {
        if (--rot_ == 0) rot_ = s;
    }
    TunnelFrame result;
    result.step = s;
    result.twist = twist_ == 1 ? s / 2 : s;
    result.start = start_;
    result.rot = rot_;
    result.offset = (frame_ % 20) * 2;
    if (++frame_ == kFramesPerPhase) {
        frame_ = 0;
        if (++phase_ == kPhases) {
            phase_ = 0;
            if (++twist_ == kTwists) {
                twist_ = 0;
                shape_ = (shape_ + 1) % kShapes;
            }
        }
    }
    return result;
}

DegreeTable::DegreeTable() {
    for (int d = 0; d <= 480; ++d) {
        const double radians = d * std::numbers::pi / 180.0;
        sin_[d] = std::sin(radians);
        cos_[d] = std::cos(radians);
    }
}

int DegreeTable::reduce(int degrees) {
    while (degrees > 360) degrees -= 360;
    while (degrees < 0) degrees += 360;
    return degrees;
}

std::vector<TunnelLine> tunnelLines(const TunnelFrame& frame, int centreX, int centreY, const DegreeTable& table) {
    std::vector<TunnelLine> lines;
    const auto point = [&](int radius, int angle, int& x, int& y) {
        x = static_cast<int>(centreX + radius * table.cosine(angle));
        y = static_cast<int>(centreY + radius * table.sine(angle));
    };
    const int first = frame.start + frame.rot;
    int level = 0;
    for (int d = 500 - frame.offset; d > 0; d -= 40) {
        level = level + 32 > 255 ? 255 : level + 32;
        const int outer = 20000 / d;
        const int inner = 20000 / (d + 40);
        for (int angle = first; angle < first + 360; angle += frame.step) {
            TunnelLine a{0, 0, 0, 0, level}, b{0, 0, 0, 0, level};
            point(outer, angle, a.x1, a.y1);
            point(inner, angle + frame.twist, a.x2, a.y2);
            point(inner, angle, b.x1, b.y1);
            point(outer, angle + frame.twist, b.x2, b.y2);
            lines.push_back(a);
            lines.push_back(b);
        }
    }
    return lines;
}

}  // namespace lockgame
