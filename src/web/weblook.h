#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// The program's look for the windows of this folder: light text on a
// near-black ground, so every caption stays readable.
namespace WebLook {

void applyDark(QWidget *window);
// A caption at its design place, wrapped within it; headings are bold.
QLabel *caption(const QString &text, QWidget *parent, QRect geometry, bool bold = false);

} // namespace WebLook
