// The lesson's layout on the screens a class uses, with every combination of tools open: the
// chain view uncovered and at its least, the tools at theirs, everything inside the window.
#include "instrument/form.h"
#include "instrument/form_layout.h"
#include "instrument/lesson_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Box = LessonLayout::Box;

bool overlap(const Box& a, const Box& b) {
    return !a.empty() && !b.empty() && a.x < b.right() && b.x < a.right() && a.y < b.bottom() &&
           b.y < a.bottom();
}

// The tools as a face measures them: a diagram with a plot of 110 pixels under its bar, an
// instruction of a title, three lines and a close button whose whole text wraps with the width.
LessonLayout::Needs withTools(LessonLayout::Needs needs, bool diagram, bool instruction) {
    needs.diagram = {diagram, 160, 300, {}};
    needs.instruction = {instruction, 100, 0, [](double width) { return 60 + 250000 / width; }};
    return needs;
}

// The page's panels: rows of 260 pixels, as many as a room that narrow needs for 1100.
LessonLayout::Needs page(double width, double height) {
    LessonLayout::Needs needs;
    needs.width = width;
    needs.height = height;
    needs.top = 0;
    needs.panels = [](double room) { return 260 * std::ceil(1100 / room); };
    needs.mayScroll = true;
    return needs;
}

struct Screen {
    std::string name;
    LessonLayout::Needs needs;
};

} // namespace

TEST(LessonLayout, TheViewIsNeverCoveredNorSqueezedWhateverToolsAreOpen) {
    const auto desktop = [](int width, int height) {
        return FormLayout::lessonNeeds(width, height, 96, 96);
    };
    const std::vector<Screen> screens{
        {"desktop 1024x600", desktop(1024, 572)},  {"desktop 1024x768", desktop(1024, 740)},
        {"desktop 1366x768", desktop(1366, 713)},  {"desktop 1920x1080", desktop(1920, 1030)},
        {"desktop 1280x1024", desktop(1276, 979)}, {"page 1366x768", page(1366, 680)},
        {"page projector", page(1920, 1000)},      {"page phone", page(412, 840)},
        {"page phone landscape", page(915, 360)},  {"page 915x840", page(915, 840)}};
    for (const Screen& screen : screens) {
        for (const bool diagram : {false, true}) {
            for (const bool instruction : {false, true}) {
                const LessonLayout::Needs n = withTools(screen.needs, diagram, instruction);
                const LessonLayout l(n);
                const std::string row = screen.name + (diagram ? " +diagram" : "") +
                                        (instruction ? " +instruction" : "");
                const Box window{0, 0, n.width, l.fits() ? n.height : l.contentHeight()};
                EXPECT_TRUE(l.fits() || n.mayScroll) << row;
                EXPECT_GE(l.view().height, LessonLayout::leastViewHeight(n.height)) << row;
                EXPECT_EQ(l.diagram().empty(), !diagram) << row;
                EXPECT_EQ(l.instruction().empty(), !instruction) << row;
                if (diagram) {
                    EXPECT_GE(l.diagram().height, n.diagram.least) << row;
                }
                if (instruction) {
                    EXPECT_GE(l.instruction().height, n.instruction.least) << row;
                }
                const std::vector<Box> others{l.diagram(), l.instruction(), l.panels()};
                for (std::size_t i = 0; i < others.size(); ++i) {
                    EXPECT_FALSE(overlap(l.view(), others[i])) << row << " box " << i;
                    for (std::size_t j = i + 1; j < others.size(); ++j) {
                        EXPECT_FALSE(overlap(others[i], others[j])) << row << " boxes " << i << j;
                    }
                }
                for (const Box& b : {l.view(), l.diagram(), l.instruction(), l.panels()}) {
                    EXPECT_TRUE(b.empty() || (b.x >= 0 && b.y >= 0 && b.right() <= window.width &&
                                              b.bottom() <= window.height + 0.5))
                        << row;
                }
            }
        }
    }
}

TEST(LessonLayout, KeepsTheFormAloneAndFindsItsLeastHeight) {
    // No tool open at the design size: the view as the form has it.
    const FormLayout form = FormLayout::design();
    const FormLayout::Box& view = form[Role::kChainView];
    const LessonLayout alone(
        FormLayout::lessonNeeds(form[Role::kWindow].width, form[Role::kWindow].height, 96, 96));
    EXPECT_EQ(alone.view(),
              (Box{double(view.x), double(view.y), double(view.width), double(view.height)}));
    // The projector keeps the view more than the least.
    LessonLayout::Needs projector = withTools(page(1920, 1000), true, true);
    EXPECT_GE(LessonLayout(projector).view().height, 0.45 * 1000);
    // Both tools fit at the least height, not a pixel lower; and the school's 1024 x 600 screen
    // holds a window of the least size.
    LessonLayout::Needs least = withTools(FormLayout::lessonNeeds(1024, 600, 96, 96), true, true);
    least.height = LessonLayout::leastHeight(least);
    EXPECT_TRUE(LessonLayout(least).fits());
    least.height -= 1;
    EXPECT_FALSE(LessonLayout(least).fits());
    const FormLayout::Size client =
        FormLayout::leastClientSize(96, 96, least.diagram, least.instruction, {1024, 572});
    EXPECT_LE(client.width, 1024);
    EXPECT_LE(client.height, 572);
    // A phone: the panels come right beneath the view in landscape, the diagram in portrait.
    const LessonLayout across(withTools(page(915, 360), true, true));
    const LessonLayout upright(withTools(page(412, 840), true, true));
    EXPECT_EQ(across.arrangement(), LessonLayout::Arrangement::Scrolled);
    EXPECT_LT(across.panels().y, across.diagram().y);
    EXPECT_LT(upright.diagram().y, upright.panels().y);
}
