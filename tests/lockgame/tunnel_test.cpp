// The tunnel's frames: shapes, twists, rotation phases and 240 frames each, and their rings.
#include <gtest/gtest.h>

#include <cmath>

#include "tunnel.h"

namespace {

using lockgame::TunnelAnimation;
using lockgame::TunnelFrame;

constexpr int kFramesPerShape = TunnelAnimation::kTwists * TunnelAnimation::kPhases * 240;

TEST(TunnelAnimation, ShowsTheSevenShapesInOrderWithTheirThreeTwists) {
    TunnelAnimation animation;
    const int steps[] = {30, 45, 60, 90, 90, 120, 20, 30};
    for (const int s : steps) {
        for (int twist = 0; twist < 3; ++twist) {
            for (int frame = 0; frame < 5 * 240; ++frame) {
                const TunnelFrame f = animation.next();
                ASSERT_EQ(f.step, s);
                ASSERT_EQ(f.twist, twist == 1 ? s / 2 : s);
                ASSERT_EQ(f.offset, (frame % 20) * 2);
            }
        }
    }
}

TEST(TunnelAnimation, RotatesForwardInPhaseTwoAndBackwardInPhaseFour) {
    TunnelAnimation animation;
    std::vector<TunnelFrame> frames;
    for (int i = 0; i < 2 * kFramesPerShape; ++i) frames.push_back(animation.next());
    const auto phase = [&](int shape, int twist, int p) { return &frames[shape * kFramesPerShape + (twist * 5 + p) * 240]; };

    // Shape 1 (step 30, start 0): still, then 1, 2, ... 29, 0, 1 ..., still, then 29, 28 ... 1, 30 ...
    for (int i = 0; i < 240; ++i) EXPECT_EQ(phase(0, 0, 0)[i].rot, 0);
    for (int i = 0; i < 240; ++i) EXPECT_EQ(phase(0, 0, 1)[i].rot, (i + 1) % 30);
    for (int i = 0; i < 240; ++i) EXPECT_EQ(phase(0, 0, 2)[i].rot, 0);
    for (int i = 0; i < 240; ++i) EXPECT_EQ(phase(0, 0, 3)[i].rot, 30 - (i + 1) % 30) << i;
    EXPECT_EQ(phase(0, 0, 3)[239].rot, 30);
    EXPECT_EQ(phase(0, 0, 4)[0].start, 30);  // phase 5 takes over the rotation phase 4 ended with
    EXPECT_EQ(phase(0, 0, 4)[0].rot, 0);
    EXPECT_EQ(phase(0, 1, 0)[0].start, 30);  // the start angle runs on through the twists

    // Shape 2 (step 45): 240 frames leave the rotation at 15, which the next phase's start keeps.
    EXPECT_EQ(phase(1, 0, 0)[0].start, 0);
    EXPECT_EQ(phase(1, 0, 1)[239].rot, 15);
    EXPECT_EQ(phase(1, 0, 2)[0].start, 15);
    EXPECT_EQ(phase(1, 0, 3)[0].rot, 44);
    EXPECT_EQ(phase(1, 0, 3)[239].rot, 30);
    EXPECT_EQ(phase(1, 0, 4)[0].start, 45);
}

TEST(TunnelAnimation, EachShapeBeginsAtItsOwnStartAngle) {
    TunnelAnimation animation;
    const int starts[] = {0, 0, 0, 45, 0, 30, 0};
    for (const int start : starts) {
        EXPECT_EQ(animation.next().start, start);
        for (int i = 1; i < kFramesPerShape; ++i) animation.next();
    }
}

TEST(TunnelLines, RingsGoFromFarBlueToNearWhite) {
    const lockgame::DegreeTable table;
    TunnelFrame frame{30, 30, 0, 0, 0};
    const auto lines = lockgame::tunnelLines(frame, 400, 300, table);
    // d = 500, 460, ... 20: thirteen rings of twelve corners, two lines each.
    ASSERT_EQ(lines.size(), 13u * 12u * 2u);
    const int levels[] = {32, 64, 96, 128, 160, 192, 224, 255, 255, 255, 255, 255, 255};
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].level, levels[i / 24]) << i;

    // The far ring: outer radius 20000/500 = 40, inner 20000/540 = 37, the far corner turned 30 degrees.
    EXPECT_EQ(lines[0].x1, 440);
    EXPECT_EQ(lines[0].y1, 300);
    EXPECT_EQ(lines[0].x2, static_cast<int>(400 + 37 * std::cos(M_PI / 6)));
    EXPECT_EQ(lines[0].y2, static_cast<int>(300 + 37 * std::sin(M_PI / 6)));
    EXPECT_EQ(lines[1].x1, 437);
    EXPECT_EQ(lines[1].x2, static_cast<int>(400 + 40 * std::cos(M_PI / 6)));

    frame.offset = 18;  // d = 482 ... 2: the nearest ring has an outer radius of 10,000
    const auto closer = lockgame::tunnelLines(frame, 400, 300, table);
    EXPECT_EQ(closer.size(), 13u * 24u);
    EXPECT_EQ(closer[closer.size() - 24].x1, 10400);
}

TEST(DegreeTable, AnglesAboveThreeSixtyReadTheSameValues) {
    const lockgame::DegreeTable table;
    EXPECT_DOUBLE_EQ(table.sine(390), table.sine(30));
    EXPECT_DOUBLE_EQ(table.cosine(840), table.cosine(120));
    EXPECT_NEAR(table.sine(90), 1.0, 1e-12);
    EXPECT_NEAR(table.cosine(480), -0.5, 1e-12);
}

}  // namespace
