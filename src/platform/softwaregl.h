#pragma once

#include <QByteArray>

// Whether an OpenGL renderer string names a rasteriser that draws on the
// CPU (Mesa's llvmpipe, softpipe and swrast, as in a virtual machine or on a
// desktop without acceleration).
bool isSoftwareGl(const QByteArray &renderer);
