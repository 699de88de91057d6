#include "support/named_rows.h"
#include "window/window_icon.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace hc {
namespace {

struct IconRow {
    const char* name;
    int side;      // asked for, device-independent pixels
    qreal ratio;   // of the screen
    int device;    // side of the pixmap handed over
    int drawnFile; // the drawn size it must be, pixel for pixel; 0 where none is
};

class WindowIconTest : public testing::TestWithParam<IconRow> {};

// Every size a window offers, at ratios 1 and 2, is a size drawn for itself,
// never a larger one scaled down (which blurs a 16-pixel title-bar icon).
TEST_P(WindowIconTest, EachSizeIsTheOneDrawnForIt) {
    const IconRow& row = GetParam();
    const QImage shown = WindowIcon()
                             .pixmap(QSize(row.side, row.side), row.ratio)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(shown.size(), QSize(row.device, row.device));
    if (row.drawnFile != 0) {
        const QImage drawn =
            QImage(QStringLiteral(":/icons/hanging-chain-%1.png").arg(row.drawnFile))
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(shown, drawn);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, WindowIconTest,
                         testing::Values(IconRow{"TitleBar", 16, 1, 16, 16},
                                         IconRow{"TitleBarAtTwo", 16, 2, 32, 32},
                                         IconRow{"TaskBar", 24, 1, 24, 24},
                                         IconRow{"TaskBarAtTwo", 24, 2, 48, 48},
                                         IconRow{"SwitcherAtTwo", 48, 2, 96, 96},
                                         IconRow{"LargestAtTwo", 64, 2, 128, 128},
                                         IconRow{"NotDrawnScaledDown", 40, 1, 40, 0},
                                         IconRow{"BeyondTheLargest", 300, 1, 300, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowIconSizesTest, AWindowOffersTheSizesWindowManagersDraw) {
    const QList<QSize> expected{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    EXPECT_EQ(WindowIcon().availableSizes(), expected);
}

} // namespace
} // namespace hc
