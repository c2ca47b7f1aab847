#include "clientfixture.h"

#include "app/rightclickfilter.h"
#include "platform/browser.h"

#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace {

TEST_F(ClientTest, RightClicksInsidePagesAreSwallowedElsewhereNot)
{
    startClient(1);
    QWidget *view = window->listeningArea().Wb_Radio->widget();
    ASSERT_NE(view, nullptr);
    // The innermost widget is the one a person's clicks reach.
    QWidget *page = view;
    while (page->focusProxy())
        page = page->focusProxy();
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
