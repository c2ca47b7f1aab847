#include "newsaddress.h"

#include "settings/settingslines.h"

namespace NewsAddress {

namespace {
constexpr int MaxDelay = 24 * 60 * 60;
}

QString base(const QString &serverBase, const QString &category)
{
    return serverBase + QStringLiteral("/Radio/RssSonvela.asp?IdNotizia=") + category;
}

QString withDelay(const QString &base, int delay)
{
    return base + QStringLiteral("&TempoRitardo=") + QString::number(delay);
}

bool isDelay(int seconds)
{
    return seconds >= 1 && seconds <= MaxDelay;
}

int delayFrom(const QString &text, int fallback)
{
    const int seconds = SettingsLines::toInteger(text.trimmed(), 0);
    return isDelay(seconds) ? seconds : fallback;
}

} // namespace NewsAddress
