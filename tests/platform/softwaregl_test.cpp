#include "platform/softwaregl.h"

#include <gtest/gtest.h>

TEST(SoftwareGl, OnlyRasterisersOnTheCpuCount)
{
    const std::pair<const char *, bool> renderers[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", true},
        {"softpipe", true},
        {"Mesa DRI Intel(R) UHD Graphics 620 (KBL GT2)", false},
        {"AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49)", false},
        {"", false},
    };
    for (const auto &[renderer, software] : renderers)
        EXPECT_EQ(isSoftwareGl(renderer), software) << renderer;
}
