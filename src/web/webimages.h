#pragma once

#include <QPixmap>

// The pictures of the search strip and the About window, drawn at their
// design sizes.
namespace WebImages {

QPixmap searchHandle();   // 15 × 40, Image1 of the search strip
QPixmap productPicture(); // 168 × 49, Image1 of the About window

} // namespace WebImages
