// Executor speed on a tight loop, the cost of one short run (effects run once per pixel), and
// compile time over a corpus of ten-line programs.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine.h"

namespace {

constexpr long kLoopRounds = 10000000;
const std::string kTightLoop = "k=0;begin:k=k+1;ifdo(k<10000000)gotodopol(begin);d_a_l:pusto();";

void TightLoop(benchmark::State& state) {
    zolt::Engine engine(zolt::VocabularyKind::Painter);
    if (engine.CompileProgram(kTightLoop) != 0) return state.SkipWithError("compile failed");
    // k=0, then add, assign, less, ifdo and jump (pusto in the last round) per round.
    const double instructions = 1 + 5.0 * kLoopRounds;
    for (auto _ : state) {
        engine.RunProgram(engine.entryInstruction());
        benchmark::DoNotOptimize(engine.cell("k"));
    }
    state.counters["instructions_per_second"] =
        benchmark::Counter(instructions * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(TightLoop)->Unit(benchmark::kMillisecond);

void ShortRun(benchmark::State& state) {
    zolt::Engine engine(zolt::VocabularyKind::Painter);
    if (engine.CompileProgram("r=x*y;s=r;t=s;") != 0) return state.SkipWithError("compile failed");
    zolt::Instruction* entry = engine.entryInstruction();
    zolt::Cell& x = engine.cell("x");
    for (auto _ : state) {
        x += 1;
        engine.RunProgram(entry);
    }
    benchmark::DoNotOptimize(engine.cell("t"));
}
BENCHMARK(ShortRun);

// One hundred ten-line programs in the shapes tools and effects take.
std::vector<std::string> compileCorpus() {
    std::vector<std::string> corpus;
    for (int p = 0; p < 100; ++p) {
        const std::string n = std::to_string(p);
        std::string text;
        text += "v" + n + "=a*" + n + "+b/2;\r\n";
        text += "ifdo(v" + n + ">x)m=v" + n + ";elsed:m=x;d_a_l:pusto();\r\n";
        text += "coloroflines=remainder(int(m*" + n + "),16777215);\r\n";
        text += "k=0;\r\n";
        text += "l" + n + ":lineto(k,b/2*(sin(k/5)+1));\r\n";
        text += "k=k+" + std::to_string(p % 7 + 1) + ";\r\n";
        text += "ifdo(k<a)gotodopol(l" + n + ");d_a_l:pusto();\r\n";
        text += "c=color(x,y);r=remainder(c,256);g=remainder(int(c/256),256);\r\n";
        text += "ifdo((r>g)&(g>100))point(x,y,r+256*g);d_a_l:pusto();\r\n";
        text += "circle(a/2,b/2,sqroot(a*a+b*b)/(" + n + "+1));\r\n";
        corpus.push_back(text);
    }
    return corpus;
}

void CompileHundredPrograms(benchmark::State& state) {
    const auto corpus = compileCorpus();
    for (auto _ : state) {
        state.PauseTiming();
        zolt::Engine engine(zolt::VocabularyKind::Painter);
        state.ResumeTiming();
        for (const auto& text : corpus)
            if (engine.CompileProgram(text) != 0) return state.SkipWithError("corpus program failed");
    }
    state.counters["us_per_program"] = benchmark::Counter(
        100.0 * state.iterations(), benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
        benchmark::Counter::kIs1000);
}
BENCHMARK(CompileHundredPrograms)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
