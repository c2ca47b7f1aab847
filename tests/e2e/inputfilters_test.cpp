#include "clientfixture.h"

#include "app/rightclickfilter.h"
#include "platform/browser.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

namespace {

TEST_F(ClientTest, RightClicksInsidePagesAreSwallowedElsewhereNot)
{
    startClient(1);
    // The access page is the page a person sees on top at start.
    Browser &access = window->WB_Principale();
    ASSERT_TRUE(QTest::qWaitFor([&] { return access.hasDocument(); }, 60000));
    QWidget *view = access.widget();
    ASSERT_NE(view, nullptr);
    // The innermost widget is the one a person's clicks reach.
    QWidget *page = view;
    while (page->focusProxy())
        page = page->focusProxy();
    ASSERT_NE(page, view);
    QWidget *label = window->Lbl_DescrizioneTasto();

    RightClickFilter filter;
    QObject &asObject = filter;
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QMouseEvent left(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    EXPECT_TRUE(asObject.eventFilter(page, &right));
    EXPECT_FALSE(asObject.eventFilter(page, &left));
    EXPECT_FALSE(asObject.eventFilter(label, &right));
    EXPECT_EQ(view->contextMenuPolicy(), Qt::NoContextMenu);
}

} // namespace
