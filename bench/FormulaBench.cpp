// How fast a field text becomes a value: translation plus evaluation per call, and evaluation alone
// on code translated once.

#include "core/Formelparser.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using quillon::RunCode;
using quillon::TranslateFormula;

const char* const Formulas[] = {
    "1+2*3",
    "2*sin(pi/4)",
    "sqrt(2)",
    "[1+2]^3",
    "2^3^2",
    "sin(x)^2+cos(x)^2",
    "arctan(1)*4",
    "1+2+3+4+5+6+7+8+9+10+11+12+13+14+15+16+17+18+19+20+21+22+23+24+25+26+27+28+29+30",
    "((((((1+2))))))*3",
};

void TranslateAndRun(benchmark::State& state) {
    const std::string text = Formulas[state.range(0)];
    state.SetLabel(text.size() > 24 ? "1+2+...+30" : text);
    for (auto _ : state) {
        const quillon::TDual result = RunCode(TranslateFormula(text), 1);
        benchmark::DoNotOptimize(result);
    }
}

void RunOnly(benchmark::State& state) {
    const std::string text = Formulas[state.range(0)];
    state.SetLabel(text.size() > 24 ? "1+2+...+30" : text);
    const std::string code = TranslateFormula(text);
    for (auto _ : state) {
        const quillon::TDual result = RunCode(code, 1);
        benchmark::DoNotOptimize(result);
    }
}

BENCHMARK(TranslateAndRun)->DenseRange(0, 8);
BENCHMARK(RunOnly)->DenseRange(0, 8);

} // namespace
