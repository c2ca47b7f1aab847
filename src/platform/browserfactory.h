#pragma once

class Browser;
class QObject;
class QWidget;

// Makes the browsers of the windows; tests hand in fakes.
class BrowserFactory
{
public:
    virtual ~BrowserFactory() = default;
    // A browser a person sees, inside `parent`.
    virtual Browser *createVisibleBrowser(QWidget *parent) = 0;
    // The visible browser that plays the stations. An engine may keep it
    // apart from the other pages, so that its sound never waits on theirs.
    virtual Browser *createPlayerBrowser(QWidget *parent) { return createVisibleBrowser(parent); }
    // A hidden browser that keeps the exact bytes served, owned by `owner`.
    virtual Browser *createCaptureBrowser(QObject *owner) = 0;
};
