#include "puzzleline.h"

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view line)
{
    while (!line.empty() && isBlank(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && isBlank(line.back()))
        line.remove_suffix(1);
    return line;
}

std::string describe(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F)
        return std::string("'") + c + "'";
    static constexpr char Hex[] = "0123456789abcdef";
    return std::string("byte 0x") + Hex[byte >> 4] + Hex[byte & 0xF];
}

} // namespace

bool PuzzleLine::isSkipped(std::string_view line)
{
    const std::string_view text = trimmed(line);
    return text.empty() || text.front() == '#';
}

PuzzleLine::Parsed PuzzleLine::parse(std::string_view line)
{
    Parsed parsed;
    const std::string_view text = trimmed(line);
    if (text.size() != SudokuGrid::CellCount) {
        parsed.error = "expected 81 cells, got " + std::to_string(text.size()) + " characters";
        return parsed;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const int row = static_cast<int>(i) / SudokuGrid::Size;
        const int column = static_cast<int>(i) % SudokuGrid::Size;
        if (c == '.' || c == '0') {
            parsed.grid.set(column, row, 0);
        } else if (c >= '1' && c <= '9') {
            parsed.grid.set(column, row, c - '0');
        } else {
            parsed.error = "bad character " + describe(c) + " at position " + std::to_string(i + 1);
            return parsed;
        }
    }
    parsed.ok = true;
    return parsed;
}

std::string PuzzleLine::format(const SudokuGrid &grid)
{
    std::string line;
    line.reserve(SudokuGrid::CellCount);
    for (int row = 0; row < SudokuGrid::Size; ++row) {
        for (int column = 0; column < SudokuGrid::Size; ++column)
            line.push_back(static_cast<char>('0' + grid.at(column, row)));
    }
    return line;
}
