#pragma once

#include <QString>

// What the login page's title says: "KO" refused, a non-zero integer the
// user id (negative ids included), anything else no answer yet.
class LoginAnswer final
{
public:
    enum class Kind { None, Refused, Accepted };

    static LoginAnswer fromTitle(const QString &title);

    Kind kind() const { return m_kind; }
    // The title in upper case, for an accepted answer.
    const QString &userId() const { return m_userId; }
    // Only positive ids have a privacy page.
    bool hasPrivacyPage() const;

private:
    Kind m_kind = Kind::None;
    QString m_userId;
};
