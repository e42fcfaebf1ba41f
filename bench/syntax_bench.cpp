// The syntax layer over the program corpus of the syntax tests (the default libraries of the
// painter and the board game): intake and compile of every internal text and of its five
// surface texts, and the five writers. Counter "per_program" is the time for one program.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "engine.h"
#include "intake.h"
#include "program_corpus.h"
#include "syntaxes.h"
#include "writers.h"

namespace {

using zolt::syntax::corpus::Program;

const std::vector<Program>& internalPrograms() {
    static const std::vector<Program> programs = [] {
        std::vector<Program> all;
        for (Program& p : zolt::syntax::corpus::load())
            if (p.syntax < 0) all.push_back(std::move(p));
        return all;
    }();
    return programs;
}

// The corpus in syntax `syntax` (-1: the internal texts as they are).
std::vector<Program> corpusIn(int syntax) {
    std::vector<Program> out = internalPrograms();
    if (syntax >= 0)
        for (Program& p : out) {
            p.text = zolt::syntax::writeSurface(syntax, p.text, p.vocabulary);
            p.syntax = syntax;
        }
    return out;
}

void setPerProgram(benchmark::State& state, size_t programs) {
    state.counters["per_program"] = benchmark::Counter(
        static_cast<double>(state.iterations() * programs), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Intake with the reader of the syntax (none for internal texts), then compile. One engine per
// vocabulary serves a whole pass over the corpus, as a program's library is compiled.
void BM_IntakeAndCompile(benchmark::State& state) {
    const int syntax = static_cast<int>(state.range(0));
    const std::vector<Program> programs = corpusIn(syntax);
    const zolt::syntax::Reader reader = zolt::syntax::readerForSyntax(syntax);
    zolt::syntax::WorkText text;
    for (auto _ : state) {
        zolt::Engine painter(zolt::VocabularyKind::Painter), board(zolt::VocabularyKind::Board);
        for (const Program& p : programs) {
            zolt::Engine& engine = p.vocabulary == zolt::VocabularyKind::Board ? board : painter;
            engine.setDrawMode(p.drawMode);
            if (zolt::syntax::IntakeEditorText(text, p.text, reader, engine) != 0) {
                state.SkipWithError("a corpus program failed its intake");
                return;
            }
        }
        benchmark::DoNotOptimize(text.data());
    }
    setPerProgram(state, programs.size());
}
BENCHMARK(BM_IntakeAndCompile)->ArgName("syntax")->DenseRange(-1, 4)->Unit(benchmark::kMillisecond);

// Intake alone (translation and normalisation, no compile).
void BM_Intake(benchmark::State& state) {
    const int syntax = static_cast<int>(state.range(0));
    const std::vector<Program> programs = corpusIn(syntax);
    const zolt::syntax::Reader reader = zolt::syntax::readerForSyntax(syntax);
    zolt::syntax::WorkText text;
    for (auto _ : state)
        for (const Program& p : programs) {
            benchmark::DoNotOptimize(zolt::syntax::TranslateEditorText(text, p.text, reader, p.vocabulary));
        }
    setPerProgram(state, programs.size());
}
BENCHMARK(BM_Intake)->ArgName("syntax")->DenseRange(-1, 4)->Unit(benchmark::kMillisecond);

// One writer over every internal text.
void BM_Write(benchmark::State& state) {
    const int syntax = static_cast<int>(state.range(0));
    const std::vector<Program>& programs = internalPrograms();
    for (auto _ : state)
        for (const Program& p : programs) {
            std::string surface = zolt::syntax::writeSurface(syntax, p.text, p.vocabulary);
            benchmark::DoNotOptimize(surface.data());
        }
    setPerProgram(state, programs.size());
}
BENCHMARK(BM_Write)->ArgName("syntax")->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// The store step's share: the four writers of the other syntaxes for one edited program.
void BM_StoreStepWriters(benchmark::State& state) {
    const std::vector<Program>& programs = internalPrograms();
    for (auto _ : state)
        for (const Program& p : programs)
            for (int syntax = 1; syntax < zolt::syntax::kSyntaxCount; ++syntax) {
                std::string surface = zolt::syntax::writeSurface(syntax, p.text, p.vocabulary);
                benchmark::DoNotOptimize(surface.data());
            }
    setPerProgram(state, programs.size());
}
BENCHMARK(BM_StoreStepWriters)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
