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
// 16 × 16, the flag of a "Lingua" item: 1 Italy, 2 United Kingdom, 3 France,
// 4 Spain; any other language has none.
QPixmap languageFlag(int language);

} // namespace DesignImages
