#pragma once

#include <QString>
#include <QStringList>

// Back and forward lists of a browser: navigating drops the forward list.
class BrowserHistory
{
public:
    void visit(const QString &address);
    bool canGoBack() const { return m_current > 0; }
    bool canGoForward() const { return m_current + 1 < m_entries.size(); }
    // The address to load, or empty when there is nothing to go to.
    QString back();
    QString forward();
    QString current() const { return m_current >= 0 ? m_entries.at(m_current) : QString(); }

private:
    QStringList m_entries;
    qsizetype m_current = -1;
};
