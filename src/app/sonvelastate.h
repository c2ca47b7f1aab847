#pragma once

#include "interfacetexts.h"
#include "service/mirrorpool.h"
#include "settings/optionsstate.h"
#include "settings/proxysettings.h"
#include "settings/useraccount.h"
#include "stations/catalogue.h"

#include <QString>

// The run-time state the main window holds and its parts share.
struct SonvelaState
{
    MirrorPool mirrors;
    InterfaceTexts texts;

    QString settingsFolder;
    QString tempFolder;
    QString recordingFolder;

    UserAccount account;     // UserName, UserPassword, UserId
    ProxySettings proxy;     // ProxyAddress, ProxyPort, UseBrowserDefaults
    OptionsState options;    // start-up station, personal stations, flags, LanguageIndex

    int NewsDelay = 30;
    QString NewsBaseUrl;
    QString NewsUrl;

    QString AccessTitle;
    bool CatalogueLatch = false;
    Catalogue catalogue;
    QString PageStationName;
    bool StationStarted = false;
    int UploadCount = 0;

    int StationSource = -1;
    bool HotVideoMode = false;
    QString PlaylistStationName;

    int languageIndex() const { return options.languageIndex; }
    // Interface text n in the current language.
    QString text(int n) const { return texts.text(options.languageIndex, n); }
};
