// The saved files as the instrument makes them, the same for every face: the samples' table
// against its expected text, the names offered, and the picture "Bild" saves.
#include "instrument/form_layout.h"
#include "instrument/input_codes.h"
#include "instrument/instrument.h"
#include "instrument/saved_files.h"
#include "instrument/saved_image.h"
#include "language/language.h"
#include "picture/user_scale.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Ball 8 from the start, ball 5 from the sixth pass, steps of 0.4 with the drive on: a float
// clock that drifts (2.00000003), y that is -0, tiny (4.3e-8) and growing.
constexpr const char* kSamples =
    R"(t in Zeiteinheiten;Kugel 8: y in Kugelabständen (oben positiv);Kugel 5: y in Kugelabständen (oben positiv)
0,4;0,0000;
0,8;0,0000;
1,2;0,0000;
1,6;0,0000;
2;0,0000;
2,4;0,0000;0,0001
2,8;0,0000;0,0006
3,2;0,0000;0,0023
3,6;0,0000;0,0070
4;0,0000;0,0177
)";

struct Machine {
    Instrument instrument{std::string(Language::decimalSeparator(","))};
    Machine() {
        instrument.resize(400, 200, 1);
        instrument.start();
        instrument.click(Role::kDriveSwitch);
        instrument.doubleClick(9.2f, 0); // ball 8
        instrument.scroll(Role::kSpeedBar, 40);
        instrument.runPasses(5);
        instrument.doubleClick(6.2f, 1); // ball 5
        instrument.runPasses(5);
    }
};

TEST(SavedFiles, TheSamplesTableIsTheExpectedTextWithItsMarkAndLineEnds) {
    Machine m;
    EXPECT_EQ(m.instrument.diagram().csv(),
              std::regex_replace("\xEF\xBB\xBF" + std::string(kSamples), std::regex("\n"), "\r\n"));
    ASSERT_TRUE(Language::use("en"));
    const std::string english = m.instrument.diagram().csv();
    Language::use("de");
    EXPECT_EQ(english.substr(english.find("\r\n4")), "\r\n4,0.0000,0.0177\r\n");
    EXPECT_NE(english.find(",Ball 8: y in ball spacings (up positive),"), std::string::npos);
}

TEST(SavedFiles, EachNameOfferedIsNewWithTheTimeInIt) {
    std::tm at{};
    at.tm_year = 126, at.tm_mon = 11, at.tm_mday = 10, at.tm_hour = 20, at.tm_min = 15,
    at.tm_sec = 3;
    EXPECT_EQ(SavedFiles::nameOf(SavedFiles::Kind::Image, at),
              "Wellenmaschine 2026-12-10 20-15-03.png");
}

// The view at the design size whatever the screen: the view drawn anew at that size with its
// labels' boxes in the panels' surface, their captions to write at the boxes' left; the diagram
// beneath while open; the view shown left as it was.
TEST(SavedFiles, TheImageIsTheViewAtTheDesignSizeWithItsLabelsAndTheDiagramBeneath) {
    Machine m;
    const FormLayout design = FormLayout::design();
    const FormLayout::Box& view = design[Role::kChainView];
    const ChainPicture& shown = m.instrument.picture();
    const std::vector<ChainPicture::Pixel> before(shown.pixels(), shown.pixels() + 400 * 200);
    const ChainPicture::Pixel* address = shown.pixels(); // where a face reads them
    PlotRaster expected;
    expected.resize(view.width, view.height, 0);
    expected.put(0, 0, m.instrument.viewAt(view.width, view.height).pixels(), view.width,
                 view.height);
    using Texts = std::vector<std::tuple<std::string, int, int, int>>; // caption, x, y, size
    Texts labels, texts;
    for (const Control c : {Control::Label3, Control::Label4, Control::Label5, Control::Label6}) {
        const FormLayout::Box& b = design[c];
        expected.fillRect(b.x, b.y, b.right(), b.y + b.height,
                          ChainPicture::pixelOf(SavedImage::kLabelSurface));
        labels.emplace_back(m.instrument.panels().caption(c), b.x + 2, b.y + b.height / 2, 13);
    }
    m.instrument.click(Role::kDiagramButton);
    const SavedImage image(m.instrument);
    ASSERT_EQ(image.raster().height(), view.height + SavedImage::kDiagramHeight);
    const auto same = [](auto a, int count, auto b) { return std::equal(a, a + count, b); };
    EXPECT_TRUE(same(expected.pixels(), view.width * view.height, image.raster().pixels()));
    for (const SavedImage::Text& t : image.texts()) {
        texts.emplace_back(t.label.text, t.label.x, t.label.y, t.pixels);
    }
    texts.resize(4);
    EXPECT_EQ(texts, labels);
    // Ball 8's dashed line at the top, far from its dot, as the view marks a chosen ball.
    EXPECT_EQ(image.raster().pixel(
                  UserScale::toPixel(InputCodes::massX(8), 0, view.width, view.height).x, 1),
              ChainPicture::pixelOf(TimeDiagram::kColours[0]));
    TimeDiagram diagram = m.instrument.diagram();
    diagram.draw(view.width, SavedImage::kDiagramHeight);
    EXPECT_TRUE(same(diagram.raster().pixels(), view.width * SavedImage::kDiagramHeight,
                     image.raster().pixels() + view.width * view.height));
    EXPECT_EQ(image.texts().back().label.y, diagram.labels().back().y + view.height);
    // Closed: the view alone.
    m.instrument.click(Role::kDiagramButton);
    EXPECT_EQ(SavedImage(m.instrument).raster().height(), view.height);
    EXPECT_TRUE(shown.pixels() == address && same(before.data(), 400 * 200, shown.pixels()));
}

} // namespace
