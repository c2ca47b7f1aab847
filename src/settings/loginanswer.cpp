#include "settings/loginanswer.h"

#include "settings/settingslines.h"

LoginAnswer LoginAnswer::fromTitle(const QString &title)
{
    LoginAnswer answer;
    const QString upper = title.toUpper();
    if (upper == QLatin1String("KO")) {
        answer.m_kind = Kind::Refused;
    } else if (SettingsLines::toInteger(upper, 0) != 0) {
        answer.m_kind = Kind::Accepted;
        answer.m_userId = upper;
    }
    return answer;
}

bool LoginAnswer::hasPrivacyPage() const
{
    return m_kind == Kind::Accepted && SettingsLines::toInteger(m_userId, 0) > 0;
}
