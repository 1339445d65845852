// Engine figures on this machine: fetching a far question, judging a scrambled
// ten-field line, and building the catalogue from a folder of 290 files.

#include "engine/engine.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using lingvaro::Engine;

namespace {

struct Installation {
    fs::path base;
    Installation()
    {
        base = fs::temp_directory_path() / ("lingvaro-bench-" + std::to_string(::getpid()));
        fs::create_directories(base / "DATA");
        std::ofstream big(base / "DATA" / "SPA99000.DAT", std::ios::binary);
        big << "$Rubrik\r\n$\xa7Skriv p\xe5 spanska\r\n";
        for (int i = 1; i <= 1900; ++i)
            big << Engine::kryptrad("fr\xe5ga nummer " + std::to_string(i) + "#respuesta n\xfamero " + std::to_string(i)
                                    + "#hj\xe4lp#&alternativa")
                << "\r\n";
        for (int i = 0; i < 289; ++i)
            std::ofstream(base / "DATA" / ("SPA" + std::to_string(10000 + i) + ".DAT"), std::ios::binary) << "a#b\r\n";
    }
    ~Installation() { fs::remove_all(base); }
};

Installation& installation()
{
    static Installation inst;
    return inst;
}

void FetchQuestion1900(benchmark::State& state)
{
    Engine e;
    e.PcPath = installation().base.native();
    for (auto _ : state) {
        e.haemtaord("SPA99000.DAT", 1900);
        benchmark::DoNotOptimize(e.CurrentLine);
    }
}
BENCHMARK(FetchQuestion1900)->Unit(benchmark::kMicrosecond);

void SplitAndJudgeScrambledTenFields(benchmark::State& state)
{
    Engine e;
    const std::string line = Engine::kryptrad(
        "Jag har inte sett honom#No lo he visto#hj\xe4lp ett#hj\xe4lp tv\xe5#R12345.htm#x#&No le he visto#"
        "Yo no lo he visto#Yo no le he visto#no lo he visto");
    const std::string answer = "yo no le he visto.";
    for (auto _ : state) {
        e.str_postarray(line);
        benchmark::DoNotOptimize(e.svarstest(e.AnswerFields[2], answer, 3));
    }
}
BENCHMARK(SplitAndJudgeScrambledTenFields)->Unit(benchmark::kNanosecond);

void BuildCatalogueOf290Files(benchmark::State& state)
{
    Engine e;
    e.PcPath = installation().base.native();
    for (auto _ : state) {
        e.BuildDataCatalogue();
        benchmark::DoNotOptimize(e.DataFileCount);
    }
}
BENCHMARK(BuildCatalogueOf290Files)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
