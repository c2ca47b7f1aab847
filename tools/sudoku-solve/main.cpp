#include "puzzlefilesolver.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string_view>

namespace {

int usage()
{
    std::cerr << "usage: sudoku-solve [--stats] [FILE]\n"
                 "Reads one puzzle per line (81 cells row by row, 1-9, 0 or . for empty)\n"
                 "from FILE or standard input and prints one answer line per puzzle.\n";
    return 2;
}

void printStats(const PuzzleFileSolver::Totals &totals, double seconds)
{
    const double perSecond = seconds > 0 ? static_cast<double>(totals.puzzles) / seconds : 0.0;
    const double puzzles = totals.puzzles > 0 ? static_cast<double>(totals.puzzles) : 1.0;
    std::fprintf(stderr, "puzzles: %ld\npuzzles per second: %.1f\naverage guesses: %.2f\n", totals.puzzles,
                 perSecond, static_cast<double>(totals.guesses) / puzzles);
}

} // namespace

int main(int argc, char **argv)
{
    bool stats = false;
    const char *path = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--stats")
            stats = true;
        else if (arg == "--help" || arg == "-h")
            return usage() - 2;
        else if (!path && (arg == "-" || !arg.starts_with('-')))
            path = argv[i];
        else
            return usage();
    }

    std::ifstream file;
    if (path && std::string_view(path) != "-") {
        file.open(path, std::ios::binary);
        if (!file) {
            std::cerr << "sudoku-solve: cannot open " << path << '\n';
            return 1;
        }
    }
    std::istream &in = file.is_open() ? static_cast<std::istream &>(file) : std::cin;

    const auto start = std::chrono::steady_clock::now();
    const PuzzleFileSolver::Totals totals = PuzzleFileSolver::run(in, std::cout);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::cout.flush();
    if (stats)
        printStats(totals, elapsed.count());
    return 0;
}
