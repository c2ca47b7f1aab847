#pragma once

#include <QString>

// A service address assembled in a text of fixed capacity: each piece is
// appended and the text is then cut at the capacity given with that piece.
class ServiceAddress
{
public:
    explicit ServiceAddress(QString base) : m_text(std::move(base)) {}

    ServiceAddress &add(const QString &piece, int capacity)
    {
        m_text = (m_text + piece).left(capacity);
        return *this;
    }
    ServiceAddress &addUnlimited(const QString &piece)
    {
        m_text += piece;
        return *this;
    }
    const QString &text() const { return m_text; }

private:
    QString m_text;
};
