// Puzzles per second of the completion solve, and the time of one new game.
#include "sudoku/celltexts.h"
#include "sudoku/puzzlegenerator.h"
#include "sudoku/puzzleline.h"
#include "sudoku/sudokusolver.h"

#include "platform/randomsource.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<SudokuGrid> loadPuzzles(const char *name)
{
    std::vector<SudokuGrid> puzzles;
    std::ifstream in(std::string(SUDOKU_BENCH_DATA "/") + name);
    std::string line;
    while (std::getline(in, line)) {
        if (PuzzleLine::isSkipped(line))
            continue;
        if (const PuzzleLine::Parsed parsed = PuzzleLine::parse(line); parsed.ok)
            puzzles.push_back(parsed.grid);
    }
    return puzzles;
}

void solveSet(benchmark::State &state, const char *name)
{
    const std::vector<SudokuGrid> puzzles = loadPuzzles(name);
    if (puzzles.empty()) {
        state.SkipWithError("no puzzles");
        return;
    }
    // Each iteration solves the whole set, so every puzzle weighs the same.
    long guesses = 0;
    for (auto _ : state) {
        for (const SudokuGrid &puzzle : puzzles) {
            SudokuGrid grid = puzzle;
            SolveStats stats;
            benchmark::DoNotOptimize(SudokuSolver::solve(grid, {}, &stats));
            benchmark::DoNotOptimize(grid);
            guesses += stats.guesses;
        }
    }
    const auto solved = static_cast<double>(state.iterations()) * static_cast<double>(puzzles.size());
    state.SetItemsProcessed(static_cast<std::int64_t>(solved));
    state.counters["guesses"] = static_cast<double>(guesses) / solved;
}

void BM_SolveSeventeenClues(benchmark::State &state) { solveSet(state, "hard17.txt"); }
void BM_SolveExpert(benchmark::State &state) { solveSet(state, "expert.txt"); }
void BM_SolveEasy(benchmark::State &state) { solveSet(state, "easy.txt"); }

void BM_NewGame(benchmark::State &state)
{
    const int level = static_cast<int>(state.range(0));
    SeededRandom random(12345);
    CellTexts solution, givens, play;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PuzzleGenerator::generate(random, PuzzleGenerator::givensForLevel(level),
                                                           {solution, givens, play}));
    }
}

} // namespace

BENCHMARK(BM_SolveSeventeenClues)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SolveExpert)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SolveEasy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NewGame)->DenseRange(0, PuzzleGenerator::LevelCount - 1)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
