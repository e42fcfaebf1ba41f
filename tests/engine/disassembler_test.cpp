// The disassembler shows each instruction with its operands by name and where it leads.
#include "disassembler.h"
#include "engine_test_support.h"

namespace zolt {
namespace {

TEST(Disassembler, ShowsHandlersOperandsAndLinks) {
    Engine engine(VocabularyKind::Painter);
    ASSERT_EQ(engine.CompileProgram("ifdo(a<b)m=a;elsed:m=b;d_a_l:pusto();line(0,1.5,a,b);"), 0);
    const std::string expected =
        "   1  less         a=a b=b -> +1!  next 2\n"
        "   2  ifdo         b=+1!  true 3 false 4\n"
        "   3  assign       a=m b=a  next 5\n"
        "   4  assign       a=m b=b  next 5\n"
        "   5  pusto         next 6\n"
        "   6  line         (0, 1.5, a, b)  next end\n";
    EXPECT_EQ(disassemble(engine, engine.entryInstruction()), expected);
}

}  // namespace
}  // namespace zolt
