#include <gtest/gtest.h>
#include "engine.h"
TEST(Smoke, Loop) {
    zolt::Engine e(zolt::VocabularyKind::Painter);
    ASSERT_EQ(e.CompileProgram("k=0;begin:k=k+1;ifdo(k<10)gotodopol(begin);d_a_l:pusto();"), 0);
    e.RunProgram(e.entryInstruction());
    EXPECT_EQ(e.cell("k"), 10);
}
