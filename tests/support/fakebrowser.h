#pragma once

#include "platform/browser.h"

#include <QFile>
#include <QStringList>
#include <QUrl>

#include <vector>

// A browser whose loads the test completes by hand: navigate records the
// address; finish() plays the title and progress events of a finished load.
class FakeBrowser final : public Browser
{
public:
    using Browser::Browser;

    QStringList navigations;
    int refreshes = 0;
    int backs = 0;
    int forwards = 0;
    QByteArray source;
    bool document = false;
    bool busyFlag = false;
    bool shown = true;
    bool saveSucceeds = true;
    QString location;
    QString currentTitle;

    // Shared by all fakes of a test: "<objectName> <address>" per navigation.
    QStringList *journal = nullptr;

    void navigate(const QString &address) override
    {
        navigations << address;
        location = address;
        busyFlag = true;
        if (journal)
            *journal << objectName() + QLatin1Char(' ') + address;
    }
    void refresh() override { ++refreshes; }
    bool goBack() override
    {
        ++backs;
        return false;
    }
    bool goForward() override
    {
        ++forwards;
        return false;
    }
    QString locationUrl() const override { return location; }
    QString title() const override { return currentTitle; }
    bool busy() const override { return busyFlag; }
    bool isShown() const override { return shown; }
    void setShown(bool s) override { shown = s; }
    bool hasDocument() const override { return document; }
    QString documentProtocol() const override
    {
        return document ? QUrl(location).scheme() + QLatin1Char(':') : QString();
    }
    void saveDocument(const QString &path, SaveDone done) override
    {
        QFile file(path);
        const bool ok = file.open(QIODevice::WriteOnly) && file.write(source) == source.size() && saveSucceeds;
        file.close();
        done(ok);
    }
    QWidget *widget() override { return view; }
    QWidget *view = nullptr; // a stand-in for the page's view, when the factory gives one

    // The page's sound: the test plays what the page would do.
    std::vector<bool> audioRequests; // true: pause, false: resume
    bool sounding = false;
    void setAudioPaused(bool paused) override { audioRequests.push_back(paused); }
    bool audioPlaying() const override { return sounding; }
    void sound(bool on)
    {
        sounding = on;
        Q_EMIT audioChange(on);
    }

    // Completes a load: the page's title, then the final progress event.
    void finish(const QString &title, const QByteArray &body = QByteArray())
    {
        source = body;
        document = true;
        busyFlag = false;
        setTitle(title);
        Q_EMIT progressChange(100, 100);
    }
    void setTitle(const QString &title)
    {
        currentTitle = title;
        Q_EMIT titleChange(title);
    }
};

#include "platform/browserfactory.h"

#include <QWidget>

#include <vector>

// Makes FakeBrowsers and keeps them, so a test can find each by name.
class FakeBrowserFactory final : public BrowserFactory
{
public:
    QStringList journal;
    std::vector<FakeBrowser *> made;

    bool views = false; // visible browsers get a plain widget where the page would show
    Browser *createVisibleBrowser(QWidget *parent) override
    {
        FakeBrowser *browser = make(parent);
        browser->view = views ? new QWidget(parent) : nullptr;
        return browser;
    }
    Browser *createCaptureBrowser(QObject *owner) override { return make(owner); }

    FakeBrowser *byName(const QString &name) const
    {
        for (FakeBrowser *b : made) {
            if (b->objectName() == name)
                return b;
        }
        return nullptr;
    }

private:
    FakeBrowser *make(QObject *owner)
    {
        auto *browser = new FakeBrowser(owner);
        browser->journal = &journal;
        made.push_back(browser);
        return browser;
    }
};
