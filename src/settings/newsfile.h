#pragma once

#include "settings/newschoice.h"

#include <QByteArray>
#include <QString>

class SettingsLines;

// "NewsSV.txt": category, delay in seconds.
class NewsFile final
{
public:
    static QString path(const QString &settingsFolder);

    // An empty file reads as no category; the delay defaults to 30.
    static NewsChoice parse(const SettingsLines &lines);
    static QByteArray compose(const NewsChoice &choice);

    static NewsChoice read(const QString &settingsFolder);
    static void write(const QString &settingsFolder, const NewsChoice &choice);
};
