#pragma once

#include "platform/browser.h"

#include <QFile>
#include <QStringList>

#include <deque>

// A hidden capture browser whose saves the test may hold back and complete
// later, as a real engine may. The file is complete and closed before the
// save reports back.
class CaptureBrowser final : public Browser
{
public:
    QStringList navigations;
    QByteArray source;
    bool document = false;
    bool holdSaves = false;
    bool saveSucceeds = true;
    QString protocol = QStringLiteral("http:");

    void navigate(const QString &address) override { navigations << address; }
    void refresh() override { }
    bool goBack() override { return false; }
    bool goForward() override { return false; }
    QString locationUrl() const override { return navigations.isEmpty() ? QString() : navigations.last(); }
    QString title() const override { return QString(); }
    bool busy() const override { return false; }
    bool isShown() const override { return false; }
    void setShown(bool) override { }
    bool hasDocument() const override { return document; }
    QString documentProtocol() const override { return protocol; }
    QWidget *widget() override { return nullptr; }

    void saveDocument(const QString &path, SaveDone done) override
    {
        m_pending.push_back({ path, source, std::move(done) });
        if (!holdSaves)
            completeSave();
    }

    // Writes the oldest held capture and reports it.
    void completeSave()
    {
        Pending pending = std::move(m_pending.front());
        m_pending.pop_front();
        bool ok = saveSucceeds;
        if (ok) {
            QFile file(pending.path);
            ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate)
                && file.write(pending.bytes) == pending.bytes.size();
        }
        pending.done(ok);
    }

    // A finished load of `body`.
    void finish(const QByteArray &body)
    {
        source = body;
        document = true;
        Q_EMIT progressChange(100, 100);
    }

private:
    struct Pending
    {
        QString path;
        QByteArray bytes;
        SaveDone done;
    };
    std::deque<Pending> m_pending;
};
