#include "browserhistory.h"

void BrowserHistory::visit(const QString &address)
{
    // A bounded history: hidden browsers may load thousands of pages in a run.
    constexpr qsizetype Limit = 100;
    m_entries.resize(m_current + 1);
    m_entries.append(address);
    if (m_entries.size() > Limit)
        m_entries.removeFirst();
    m_current = m_entries.size() - 1;
}

QString BrowserHistory::back()
{
    if (!canGoBack())
        return QString();
    return m_entries.at(--m_current);
}

QString BrowserHistory::forward()
{
    if (!canGoForward())
        return QString();
    return m_entries.at(++m_current);
}
