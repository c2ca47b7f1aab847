#include "textfit.h"

#include <QAbstractButton>
#include <QFontInfo>

namespace TextFit {

namespace {

bool fits(const QAbstractButton *button)
{
    return button->sizeHint().width() <= button->width();
}

} // namespace

void fit(QAbstractButton *button)
{
    button->setFont(QFont());
    button->setToolTip(QString());
    QFont font = button->font();
    for (int size = QFontInfo(font).pixelSize(); !fits(button) && size > MinimumPixelSize; --size) {
        font.setPixelSize(size - 1);
        button->setFont(font);
    }
    if (fits(button))
        return;
    const QString text = button->text();
    const int chrome = button->sizeHint().width() - button->fontMetrics().horizontalAdvance(text);
    button->setText(button->fontMetrics().elidedText(text, Qt::ElideRight, button->width() - chrome));
    button->setToolTip(text);
}

} // namespace TextFit
