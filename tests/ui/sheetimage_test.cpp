// The canonical design's record sheet drawn to an image at a fixed size and compared with the
// reference image tests/ui/golden/hunchback_sheet.png. The reference was looked at by hand as a
// player would (every block present, texts readable and inside their blocks, points inside the
// diagram's outline). FPW_UPDATE_GOLDEN=1 rewrites it after a deliberate change of the layout.
#include <cstdlib>

#include <QImage>

#include <gtest/gtest.h>

#include "recordsheet/printmech.h"
#include "recordsheet/sheetdesigns.h"
#include "ui/recordsheet/imagepage.h"

namespace fpw::ui {
namespace {

constexpr int kDotsPerInch = 100;
const QString kReference = QStringLiteral(FPW_UI_GOLDEN_DIR "/hunchback_sheet.png");

// Share of pixels whose colour differs clearly (more than a quarter of the range in a channel).
double differingShare(const QImage& a, const QImage& b) {
    long differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 64 || std::abs(qGreen(p) - qGreen(q)) > 64 ||
                std::abs(qBlue(p) - qBlue(q)) > 64)
                ++differing;
        }
    }
    return static_cast<double>(differing) / (static_cast<double>(a.width()) * a.height());
}

TEST(SheetImage, CanonicalDesignMatchesItsReferenceImage) {
    testing::SheetKit kit;
    model::Mech mech = kit.hunchback();
    bool drawn = false;
    const QImage image = renderPageImage(kDotsPerInch, [&](recordsheet::DrawingSurface& s) {
        drawn = recordsheet::PrintMech(mech, "Aiko Tanner", "4", "5", "", "", "", true, true, s);
    });
    ASSERT_TRUE(drawn);
    ASSERT_EQ(image.size(), QSize(850, 1100));
    if (std::getenv("FPW_UPDATE_GOLDEN") != nullptr) {
        ASSERT_TRUE(image.save(kReference));
    }
    QImage reference(kReference);
    ASSERT_FALSE(reference.isNull()) << "missing " << kReference.toStdString();
    reference = reference.convertToFormat(image.format());
    ASSERT_EQ(reference.size(), image.size());
    EXPECT_LT(differingShare(image, reference), 0.002);
}

} // namespace
} // namespace fpw::ui
