#pragma once

#include "settings/settingshost.h"

#include <QFile>

// The main window's side of the preference sync: folders, user and mirror
// as the test sets them; load options only notes what the file held.
class FakeSettingsHost final : public SettingsHost
{
public:
    QString base = QStringLiteral("http://127.0.0.1:8080");
    QString id;
    QString settings;
    QString temp;
    int loads = 0;
    QByteArray optionsAtLoad;

    QString serverBase() const override { return base; }
    QString userId() const override { return id; }
    QString settingsFolder() const override { return settings; }
    QString tempFolder() const override { return temp; }
    void loadOptions() override
    {
        ++loads;
        QFile file(settings + QStringLiteral("OpzSV.txt"));
        optionsAtLoad = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};
