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

#include <string>
#include <vector>

namespace {

// Ball 8 from the start, ball 5 from the ninth pass, steps of 0.3 with the drive on: a float
// clock that drifts (0.900000036), y that is -0, tiny (3.2e-10) and growing.
constexpr const char* kSamples =
    R"(t in Zeiteinheiten;Kugel 8: y in Kugelabständen (oben positiv);Kugel 5: y in Kugelabständen (oben positiv)
0,3;0,0000;
0,6;0,0000;
0,9;0,0000;
1,2;0,0000;
1,5;0,0000;
1,8;0,0000;
2,1;0,0000;
2,4;0,0000;
2,7;0,0000;0,0004
3;0,0000;0,0012
3,3;0,0000;0,0028
3,6;0,0000;0,0063
3,9;0,0000;0,0126
4,2;0,0000;0,0234
4,5;0,0001;0,0404
4,8;0,0001;0,0656
)";

struct Machine {
    Instrument instrument{std::string(Language::decimalSeparator(","))};
    Machine() {
        instrument.resize(400, 200, 1);
        instrument.start();
        instrument.click(Role::kDriveSwitch);
        instrument.doubleClick(9.2f, 0); // ball 8
        instrument.scroll(Role::kSpeedBar, 30);
        instrument.runPasses(8);
        instrument.doubleClick(6.2f, 1); // ball 5
        instrument.runPasses(8);
    }
};

TEST(SavedFiles, TheSamplesTableIsTheExpectedTextWithItsMarkAndLineEnds) {
    Machine m;
    std::string expected = "\xEF\xBB\xBF";
    for (const char* c = kSamples; *c != '\0'; ++c) {
        expected += *c == '\n' ? std::string("\r\n") : std::string(1, *c);
    }
    EXPECT_EQ(m.instrument.diagram().csv(), expected);
    ASSERT_TRUE(Language::use("en"));
    const std::string english = m.instrument.diagram().csv();
    Language::use("de");
    EXPECT_EQ(english.substr(0, english.find("\r\n", english.find("\r\n") + 2)),
              "\xEF\xBB\xBFt in time units,Ball 8: y in ball spacings (up positive),Ball 5: y in "
              "ball spacings (up positive)\r\n0.3,0.0000,");
}

TEST(SavedFiles, EachNameOfferedIsNewWithTheTimeInIt) {
    std::tm at{};
    at.tm_year = 126;
    at.tm_mon = 11;
    at.tm_mday = 10;
    at.tm_hour = 20;
    at.tm_min = 15;
    at.tm_sec = 3;
    EXPECT_EQ(SavedFiles::nameOf(SavedFiles::Kind::Image, at),
              "Wellenmaschine 2026-12-10 20-15-03.png");
    at.tm_sec = 4;
    EXPECT_EQ(SavedFiles::nameOf(SavedFiles::Kind::Samples, at),
              "Zeitdiagramm 2026-12-10 20-15-04.csv");
}

// The view at the design size whatever the screen, its labels' boxes in the panels' surface with
// their captions to write at the boxes' places; the diagram beneath while open; the view shown
// left as it was.
TEST(SavedFiles, TheImageIsTheViewAtTheDesignSizeWithItsLabelsAndTheDiagramBeneath) {
    Machine m;
    const FormLayout design = FormLayout::design();
    const FormLayout::Box& view = design[Role::kChainView];
    const ChainPicture& shown = m.instrument.picture();
    const std::vector<ChainPicture::Pixel> before(shown.pixels(), shown.pixels() + 400 * 200);
    const ChainPicture::Pixel* address = shown.pixels();
    for (const bool open : {false, true}) {
        if (open) {
            m.instrument.click(Role::kDiagramButton);
        }
        const SavedImage image(m.instrument);
        EXPECT_EQ(image.raster().width(), view.width);
        EXPECT_EQ(image.raster().height(), view.height + (open ? SavedImage::kDiagramHeight : 0));
        std::vector<std::string> captions;
        for (const SavedImage::Text& text : image.texts()) {
            if (text.label.y >= view.height) {
                continue;
            }
            captions.push_back(text.label.text);
            EXPECT_EQ(text.pixels, 13);
            bool inBox = false;
            for (const Control c :
                 {Control::Label3, Control::Label4, Control::Label5, Control::Label6}) {
                const FormLayout::Box& box = design[c];
                if (m.instrument.panels().caption(c) == text.label.text) {
                    inBox = text.label.x > box.x && text.label.x < box.right() &&
                            text.label.y == box.y + box.height / 2 &&
                            image.raster().pixel(box.right() - 1, box.y) ==
                                ChainPicture::pixelOf(SavedImage::kLabelSurface);
                }
            }
            EXPECT_TRUE(inBox) << text.label.text;
        }
        EXPECT_EQ(captions, (std::vector<std::string>{"Festes Ende", "Loses Ende", "Dämpfung On",
                                                      "Harmonisch bewegt"}));
        // Every other pixel of the view is the view drawn at that size.
        const ChainPicture drawn = m.instrument.viewAt(view.width, view.height);
        int differ = 0;
        for (int y = 0; y < view.height; ++y) {
            for (int x = 0; x < view.width; ++x) {
                differ +=
                    image.raster().pixel(x, y) != drawn.pixel(x, y) &&
                    image.raster().pixel(x, y) != ChainPicture::pixelOf(SavedImage::kLabelSurface);
            }
        }
        EXPECT_EQ(differ, 0);
        // Ball 8's dashed line at the top, far from its dot, as the view marks a chosen ball.
        EXPECT_EQ(image.raster().pixel(
                      UserScale::toPixel(InputCodes::massX(8), 0, view.width, view.height).x, 1),
                  ChainPicture::pixelOf(TimeDiagram::kColours[0]));
        if (open) {
            TimeDiagram diagram = m.instrument.diagram();
            diagram.draw(view.width, SavedImage::kDiagramHeight);
            const int x = diagram.columnOf(diagram.sample(diagram.sampleCount() - 1).t);
            const int y = diagram.rowOf(diagram.sample(diagram.sampleCount() - 1).y[1]);
            EXPECT_EQ(image.raster().pixel(x, view.height + y), diagram.raster().pixel(x, y));
            EXPECT_EQ(image.texts().back().label.y, diagram.labels().back().y + view.height);
        }
    }
    EXPECT_EQ(shown.pixels(), address);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), shown.pixels()));
}

} // namespace
