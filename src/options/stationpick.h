#pragma once

#include <QByteArray>
#include <QString>

// What a selection window gave back: nothing (left with "Esci senza
// salvare"), no pick (saved while its page did not show the selection
// title) or the station the selection page's capture names.
struct StationPick
{
    enum class Result { Cancelled, NoPick, Picked };

    // The capture carries the id, name and label on lines 39, 41 and 43,
    // read as they are (no "<BR>" conversion); a shorter capture gives id 0
    // and empty texts. The title must equal the selection title exactly.
    static StationPick read(bool saved, const QString &title, const QString &selectionTitle,
                            const QByteArray &capture);

    Result result = Result::Cancelled;
    int id = 0;
    QString name;
    QString label;
};
