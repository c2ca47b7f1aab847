#pragma once

#include <QList>
#include <QString>

#include <functional>

class QObject;

// Writes interface texts into controls found by their design names, so one
// table per window says which text goes where. Controls that do not exist
// (a window not created yet) are skipped.
class LanguageApplier
{
public:
    enum class Kind { Caption, Hint, TabCaption };
    struct Entry
    {
        const char *name;
        int text;
        Kind kind = Kind::Caption;
    };
    using TextFor = std::function<QString(int)>;

    static void apply(const QList<QObject *> &roots, const QList<Entry> &entries, const TextFor &text);
    static bool setCaption(QObject *control, const QString &caption);
    static bool setTabCaption(QObject *page, const QString &caption);

    // The main window's and the tray menu's entries, in the order they are written.
    static QList<Entry> mainWindowEntries();
    static QList<Entry> mainWindowLateEntries();
    static QList<Entry> coverEntries();
    static QList<Entry> optionsWindowEntries();
    static QList<Entry> playlistWindowEntries();
};
