#pragma once

#include "newstitlerule.h"

#include <QWidget>

#include <functional>

class Browser;
class BrowserFactory;
class QPushButton;

// The news ticker: borderless, above other windows, without a taskbar
// entry; the "Nascondi" bar over the news page. Its tag is the category
// shown (0 none). The page's title decides whether it slides in or out.
class TFrm_News final : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Width = 250;
    static constexpr int Height = 200;

    // `newsUrl` is the address last asked for: its own title is no news.
    TFrm_News(BrowserFactory &browsers, std::function<QString()> newsUrl, QWidget *parent = nullptr);

    Browser &browser() { return *m_browser; }
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    QPushButton *Nascondi() const { return m_hide; }

    // Back to a window without a taskbar entry, as each showing asks.
    void setToolWindowStyle();

Q_SIGNALS:
    void slideRequested(bool in);

private:
    void WB_NewsTitleChange(const QString &title);

    Browser *m_browser = nullptr;
    QPushButton *m_hide = nullptr;
    std::function<QString()> m_newsUrl;
    NewsTitleRule m_titles;
    int m_tag = 0;
};
