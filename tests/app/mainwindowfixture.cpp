#include "mainwindowfixture.h"

#include <QLabel>

std::vector<int> MainWindowTest::litDots() const
{
    const QImage on = window->findChild<QLabel *>(QStringLiteral("Img_ServerOn"))->pixmap().toImage();
    std::vector<int> lit;
    for (int n = 0; n <= 6; ++n) {
        auto *dot = window->findChild<QLabel *>(QStringLiteral("Img_Server%1").arg(n));
        if (dot && dot->pixmap().toImage() == on)
            lit.push_back(n);
    }
    return lit;
}
