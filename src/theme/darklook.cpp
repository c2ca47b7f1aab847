#include "darklook.h"

#include "darkstyle.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <QToolTip>

namespace DarkLook {

namespace {

// The design's accent: selected menu items and tabs are orange with black text.
const QColor Accent(255, 140, 0);

void setBoth(QPalette &p, QPalette::ColorRole role, const QColor &active, const QColor &disabled)
{
    p.setColor(QPalette::Active, role, active);
    p.setColor(QPalette::Inactive, role, active);
    p.setColor(QPalette::Disabled, role, disabled);
}

} // namespace

QPalette palette()
{
    QPalette p;
    const QColor light(235, 235, 235);
    const QColor dimmed(170, 170, 170); // still 4.5:1 on a disabled button's face
    setBoth(p, QPalette::Window, QColor(32, 32, 34), QColor(32, 32, 34));
    setBoth(p, QPalette::WindowText, light, dimmed);
    setBoth(p, QPalette::Base, QColor(20, 20, 22), QColor(32, 32, 34));
    setBoth(p, QPalette::AlternateBase, QColor(40, 40, 44), QColor(40, 40, 44));
    setBoth(p, QPalette::Text, light, dimmed);
    setBoth(p, QPalette::PlaceholderText, QColor(160, 160, 160), QColor(120, 120, 120));
    setBoth(p, QPalette::Button, QColor(48, 48, 52), QColor(40, 40, 44));
    setBoth(p, QPalette::ButtonText, light, dimmed);
    setBoth(p, QPalette::BrightText, QColor(255, 110, 110), QColor(255, 110, 110));
    setBoth(p, QPalette::Light, QColor(80, 80, 86), QColor(60, 60, 64));
    setBoth(p, QPalette::Midlight, QColor(64, 64, 70), QColor(50, 50, 54));
    setBoth(p, QPalette::Mid, QColor(40, 40, 44), QColor(40, 40, 44));
    setBoth(p, QPalette::Dark, QColor(16, 16, 18), QColor(16, 16, 18));
    setBoth(p, QPalette::Shadow, QColor(0, 0, 0), QColor(0, 0, 0));
    setBoth(p, QPalette::Highlight, Accent, QColor(90, 90, 90));
    setBoth(p, QPalette::HighlightedText, Qt::black, light);
    setBoth(p, QPalette::Link, QColor(110, 180, 255), QColor(110, 180, 255));
    setBoth(p, QPalette::LinkVisited, QColor(190, 150, 255), QColor(190, 150, 255));
    setBoth(p, QPalette::ToolTipBase, QColor(45, 45, 48), QColor(45, 45, 48));
    setBoth(p, QPalette::ToolTipText, light, light);
    return p;
}

void apply()
{
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(new DarkStyle(fusion));
    QApplication::setPalette(palette());
    QToolTip::setPalette(palette());
}

} // namespace DarkLook
