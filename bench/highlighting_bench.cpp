// The highlighting analysis the program editor runs after every edit, over the corpus programs
// in each syntax joined into one long text. Counter "per_200_chars" is the work between two of
// the editor's pauses; "per_program" is one whole corpus program.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "highlighting.h"
#include "program_corpus.h"
#include "syntaxes.h"
#include "writers.h"

namespace {

using zolt::syntax::corpus::Program;

struct Corpus {
    std::string joined;
    size_t programs = 0;
};

// Every painter program of the corpus written in `syntax`, one after another.
Corpus painterCorpusIn(int syntax) {
    Corpus corpus;
    for (const Program& p : zolt::syntax::corpus::load()) {
        if (p.syntax >= 0 || p.vocabulary != zolt::VocabularyKind::Painter) continue;
        corpus.joined += zolt::syntax::writeSurface(syntax, p.text, p.vocabulary) + "\r\n";
        ++corpus.programs;
    }
    return corpus;
}

void BM_Highlighting(benchmark::State& state) {
    const int syntax = static_cast<int>(state.range(0));
    const Corpus corpus = painterCorpusIn(syntax);
    for (auto _ : state) {
        auto result = zolt::syntax::ComputeHighlighting(corpus.joined, syntax, zolt::VocabularyKind::Painter);
        benchmark::DoNotOptimize(result);
    }
    const double runs = static_cast<double>(state.iterations());
    state.SetLabel(std::string(zolt::syntax::kSyntaxNames[static_cast<size_t>(syntax)]));
    state.counters["chars"] = static_cast<double>(corpus.joined.size());
    state.counters["per_200_chars"] = benchmark::Counter(runs * static_cast<double>(corpus.joined.size()) / 200.0,
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["per_program"] = benchmark::Counter(runs * static_cast<double>(corpus.programs),
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Highlighting)->DenseRange(0, zolt::syntax::kSyntaxCount - 1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
