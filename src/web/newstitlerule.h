#pragma once

#include <QString>

// When the news page's title moves the ticker: only a new title that is not
// the page's own address (shown while it loads) counts; "NO" in any letter
// case means nothing to show.
class NewsTitleRule final
{
public:
    enum class Move { None, SlideIn, SlideOut };

    Move titleChanged(const QString &title, const QString &newsUrl);

private:
    QString m_last;
};
