#include "weblook.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace WebLook {

void applyDark(QWidget *window)
{
    QPalette p = window->palette();
    const QColor text(232, 232, 232);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, QColor(16, 16, 16));
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Base, QColor(29, 29, 29));
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Button, QColor(42, 42, 42));
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::Highlight, QColor(255, 140, 0));
        p.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    window->setPalette(p);
    window->setAutoFillBackground(true);
}

QLabel *caption(const QString &text, QWidget *parent, QRect geometry, bool bold)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

} // namespace WebPalette
