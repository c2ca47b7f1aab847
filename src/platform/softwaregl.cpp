#include "softwaregl.h"

#include <array>

bool isSoftwareGl(const QByteArray &renderer)
{
    static constexpr std::array<const char *, 4> names{"llvmpipe", "softpipe", "swrast", "Software Rasterizer"};
    const QByteArray lower = renderer.toLower();
    for (const char *name : names) {
        if (lower.contains(QByteArray(name).toLower()))
            return true;
    }
    return false;
}
