#pragma once

class QAbstractButton;

// Captions in four languages share one place on the window. A caption too
// long for its control is drawn smaller, down to a size still easy to read;
// one that is still too long is elided, with the whole text as its tool tip.
namespace TextFit {

constexpr int MinimumPixelSize = 9;

// Call right after setting the caption; it starts again from the inherited font.
void fit(QAbstractButton *button);

} // namespace TextFit
