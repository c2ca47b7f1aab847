#pragma once

class QPalette;

// The application's one look: Fusion with a dark palette whose every role,
// disabled ones included, keeps light text readable on dark ground. Controls
// style themselves only where the design names a colour.
namespace DarkLook {

QPalette palette();
// Call once the QApplication exists, before the first window.
void apply();

} // namespace DarkLook
