#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

// An embedded browser control: the one way the client talks to the service.
// Two engines stand behind it: a visible web view and an exact-source engine
// for hidden capture browsers. Both report a finished load as a progress
// event with Progress == ProgressMax and keep their own history.
class Browser : public QObject
{
    Q_OBJECT
public:
    using SaveDone = std::function<void(bool ok)>;

    explicit Browser(QObject *parent = nullptr) : QObject(parent) {}
    ~Browser() override = default;

    virtual void navigate(const QString &address) = 0;
    virtual void refresh() = 0;
    // False when there is no page to go to; never throws.
    virtual bool goBack() = 0;
    virtual bool goForward() = 0;

    virtual QString locationUrl() const = 0;
    virtual QString title() const = 0;
    virtual bool busy() const = 0;

    virtual bool isShown() const = 0;
    virtual void setShown(bool shown) = 0;

    // Whether a document is loaded (none before the first load finishes).
    virtual bool hasDocument() const = 0;
    // The loaded document's location protocol with its colon: "http:", "file:", "about:".
    virtual QString documentProtocol() const = 0;
    // Writes the document's source exactly as the server sent it. `done`
    // runs once, possibly later, when the file is complete or the save failed.
    virtual void saveDocument(const QString &path, SaveDone done) = 0;

    // The widget that shows the page, or nullptr for an engine that shows nothing.
    virtual QWidget *widget() = 0;

    // The page's own sound. Pausing lets a live stream go, so its connection
    // ends; resuming starts it again from now. An engine that plays nothing
    // ignores both.
    virtual void setAudioPaused(bool paused) { Q_UNUSED(paused) }
    virtual bool audioPlaying() const { return false; }

Q_SIGNALS:
    void titleChange(const QString &title);
    void progressChange(int progress, int progressMax);
    // The page asked to open `address` in a window of its own (a link with a
    // target, window.open). Nothing opens unless someone acts on it.
    void newWindowRequested(const QString &address);
    // The page's sound started or ended, whoever did it.
    void audioChange(bool playing);
};
