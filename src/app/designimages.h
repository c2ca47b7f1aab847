#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures of the window's design, drawn at their design sizes.
namespace DesignImages {

QPixmap serverDot(bool on);          // 7 × 7
QPixmap highlightBar();              // 130 × 15
QPixmap separator();                 // 130 × 3
QPixmap coverBackground(QSize size); // the cover panels' picture
QPixmap background(QSize size);      // Sfondo
QPixmap historyArrow(bool forward);  // ImgAvanti / ImgIndietro
QIcon applicationIcon();             // 32 × 32 tray and window icon

} // namespace DesignImages
