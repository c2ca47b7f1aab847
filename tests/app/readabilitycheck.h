#pragma once

#include <QStringList>

class QWidget;

// What a person would see wrong in a shown window: every visible widget that
// carries text is checked on the window's own pixels for a contrast of at
// least 4.5:1 between its text and the ground under it, and by font metrics
// for fitting whole inside its contents; check boxes and radio buttons for
// an indicator that stands out from the ground around it. Each offence names
// the widget by its object name (or its nearest named ancestor and class).
namespace ReadabilityCheck {

constexpr double MinimumContrast = 4.5;
constexpr double MinimumGraphicContrast = 3.0;

QStringList offences(QWidget *window);

// The contrast ratio of two colours as WCAG defines it, 1 to 21.
double contrast(unsigned int rgb1, unsigned int rgb2);

} // namespace ReadabilityCheck
