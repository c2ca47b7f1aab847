#include "newstitlerule.h"

NewsTitleRule::Move NewsTitleRule::titleChanged(const QString &title, const QString &newsUrl)
{
    if (title == m_last || title.toUpper() == newsUrl.toUpper())
        return Move::None;
    m_last = title;
    return title.toUpper() == QLatin1String("NO") ? Move::SlideOut : Move::SlideIn;
}
