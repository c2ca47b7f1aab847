#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// What a selection window gave back: nothing (left with "Esci senza
// salvare"), no pick (saved while its page did not show the selection
// title), the station the selection page's capture names, or a capture that
// could not be read.
struct StationPick
{
    enum class Result { Cancelled, NoPick, Picked, Unreadable };

    // The capture carries the id, name and label on lines 39, 41 and 43 of
    // the record line rule, read as they are (no "<BR>" conversion); a
    // shorter capture gives id 0 and empty texts. The title must equal the
    // selection title exactly. `capture` is read only for a pick and may
    // throw FileError, which gives Unreadable with the error's message.
    static StationPick read(bool saved, const QString &title, const QString &selectionTitle,
                            const std::function<QByteArray()> &capture);

    Result result = Result::Cancelled;
    int id = 0;
    QString name;
    QString label;
    QString error;
};
