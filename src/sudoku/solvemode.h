#pragma once

#include <QString>

// Generation completes the hidden solution grid of a new game; completion
// fills the play grid in place.
enum class SolveMode { Generation, Completion };

inline QString conflictMessage(SolveMode mode)
{
    return mode == SolveMode::Generation ? QStringLiteral("The problem has errors!")
                                         : QStringLiteral("Combinazioni inserite non valide!");
}

inline QString unsolvableMessage()
{
    return QStringLiteral("Il sudoku attuale non può essere risolto!");
}
