#pragma once

#include "core/chain_constants.h"
#include "language/language.h"
#include "picture/plot_raster.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ChainState;

// The time diagram: y over t for one or two chosen points of the chain, free of any toolkit. The
// points are named as the information texts count them: the driven point (index 0) is
// "Anfangspunkt", the others are "Kugel 1" to "Kugel 97". After each pass it records the chosen
// points' y at the pass's time; it draws the last `span` time units into a
// raster (axes, grid, the curves in the masses' colours) and lays out its texts as labels (a
// string, a point and an alignment each), which a front end draws with its own font over the
// raster: the instrument decides every position and every text, the front end only the glyphs.
//
// The time is the clock's reading while the clock runs; otherwise the recording's own time,
// which runs on from the last time recorded (from 0 for a new recording) by each pass's step. A
// clock started anew (its reading going back) and "Löschen" begin a new recording. Recording
// only reads the chain state.
class TimeDiagram {
public:
    using Pixel = PlotRaster::Pixel;
    static constexpr int kMaxChosen = 2;
    static constexpr int kMasses = 98;
    // The span of the time axis, in time units, as its scroll bar sets it.
    static constexpr int kMinSpan = 25;
    static constexpr int kMaxSpan = 400;
    static constexpr int kStartSpan = 100;
    static constexpr int kSpanStep = 25;
    // Each chosen mass's colour, in the view and in the diagram, by its slot.
    static constexpr std::array<Chain::Rgb, kMaxChosen> kColours{{{0, 0, 255}, {0, 150, 0}}};
    // The height in pixels of the labels' text, which the layout leaves room for.
    static constexpr int kLabelPixels = 12;
    static constexpr std::string_view kChooseHint =
        N_("Kugel wählen: Doppelklick, Doppeltipp oder D in der Wellenmaschine");
    // The same where the diagram is too narrow for it.
    static constexpr std::string_view kShortChooseHint = N_("Kugel wählen: Doppelklick oder D");
    // The key in the diagram that asks for its words (see keyPress), as its hint names it.
    static constexpr std::string_view kSpeakHint = N_("A: Amplitude und Periode ansagen");
    // Whole periods the figures are taken over, at most: the latest ones, where a wave that
    // builds up has settled most.
    static constexpr int kPeriods = 3;
    // The least swing, up and down from the mean, that counts as a period: less is rest.
    static constexpr double kLeastSwing = 0.005;

    // What a student notes down of a swinging ball: half its rise from lowest to highest, and the
    // time from one upward pass through its mean to the next, both over its last whole periods.
    struct Swing {
        double amplitude;
        double period;
    };
    struct Sample {
        double t;
        std::array<float, kMaxChosen> y; // NaN where the slot had no mass
    };
    struct Label {
        enum class Align { Left, Centre, Right };
        std::string text;
        int x;
        int y; // the text's vertical centre
        Align align;
        Chain::Rgb colour;
        friend bool operator==(const Label&, const Label&) = default;
    };

    // Number text uses `decimalSeparator`.
    explicit TimeDiagram(std::string decimalSeparator);

    // The mass whose dot is nearest to x: chosen into the free slot, or in place of the one
    // chosen first where both are taken; un-chosen if it was chosen. Returns the mass.
    int chooseNearest(float x);
    // The mass in each slot, if any.
    std::optional<int> chosen(int slot) const { return chosen_[std::size_t(slot)]; }
    // The colour a mass is drawn in: its slot's colour while it is chosen.
    std::optional<Chain::Rgb> colourOf(int mass) const;

    // After each pass: the chosen masses' y at the pass's time.
    void record(const ChainState& state);
    // A new, empty recording.
    void clear();
    std::size_t sampleCount() const { return count_; }
    // The samples, oldest first.
    const Sample& sample(std::size_t i) const { return samples_[(first_ + i) % samples_.size()]; }

    // The samples as comma-separated values for a spreadsheet, in the language in use: a header
    // naming the columns and their units, then a row per sample: the time, then each chosen
    // mass's y, up positive as the diagram draws it (empty before the mass was chosen). German
    // writes the decimal comma and separates by semicolons, other languages the point and
    // commas. The time is written as the clock shows it (in hundredths, "0,9"), y in fixed
    // notation with four decimals ("0,0000", never a minus zero or an exponent). The text begins
    // with UTF-8's byte order mark, which spreadsheets take as its encoding: every face saves
    // these bytes as they are.
    std::string csv() const;

    // The time axis's span in time units, clamped to kMinSpan..kMaxSpan.
    void setSpan(int units);
    int span() const { return span_; }
    // The span's read-out beside its scroll bar ("Zeitspanne: 100"), and the window's title.
    std::string spanCaption() const;
    static std::string_view title();
    // What the diagram shows in words, as the legend writes it: each chosen mass with its
    // amplitude and period ("Kugel 29: Amplitude 0,77, Periode 20,0"), or that it has not yet
    // swung one whole period; or how to choose one.
    std::string summary() const;
    // A slot's amplitude and period over its last whole periods (at most kPeriods), from the
    // recorded samples: none before one whole period, or where the mass is at rest.
    std::optional<Swing> swing(int slot) const;

    // What a screen reader says: the summary, taken anew when a mass is chosen or let go, when
    // the diagram is opened and when the student asks for it, never as the curves run on (a
    // stream of numbers drowns what matters). A front end speaks spoken() whenever
    // spokenCount() has changed, even where the words are the same.
    void speak();
    const std::string& spoken() const { return spoken_; }
    std::uint64_t spokenCount() const { return spokenCount_; }
    // A key pressed in the diagram, as the text it types ("a"): true where the diagram took it.
    bool keyPress(std::string_view typed);

    // Counts every change of what the diagram shows, so that a front end draws only anew.
    std::uint64_t revision() const { return revision_; }

    // Draws the diagram at `width` x `height` pixels into raster() and labels(): only the new
    // points where nothing else changed since the last drawing, else the whole diagram. At a
    // `scale` (pixels to a pixel of the diagram's design, as on a screen of many pixels or where
    // the page's panels grow) its margins, lines and labels' text grow with it.
    void draw(int width, int height, double scale = 1);
    // The height in pixels of the labels' text of the last drawing.
    int labelPixels() const { return labelPixels_; }
    const PlotRaster& raster() const { return raster_; }
    const std::vector<Label>& labels() const { return labels_; }

    // The plot's geometry of the last drawing: the time axis from tStart, the pixel column of a
    // time and the pixel row of a y within the plot.
    double timeStart() const { return tStart_; }
    int columnOf(double t) const;
    int rowOf(float y) const;

private:
    void forgetSlot(int slot);
    void drawAxes();
    void layOutLabels();
    // About how wide a label's text is drawn, and the first of `texts` that fits into `room`
    // pixels (the last where none does).
    int textWidth(std::string_view text) const;
    std::string_view firstFitting(std::initializer_list<std::string_view> texts, int room) const;
    // The legend's texts: each chosen mass with its amplitude and period.
    void writeLegend();
    // A slot's legend: "Kugel 29: Amplitude 0,77, Periode 20,0".
    std::string legendOf(int slot) const;
    // The curve from sample `from` on.
    void drawCurve(int slot, Pixel colour, std::size_t from);
    void addLabel(std::string text, int x, int y, Label::Align align, Chain::Rgb colour);
    std::string number(double value) const;
    // Pixels of the design at the drawing's scale.
    int scaled(int pixels) const;

    std::string decimalSeparator_;
    std::array<std::optional<int>, kMaxChosen> chosen_{};
    int older_ = 0; // the slot chosen first, replaced by a third choice
    std::vector<Sample> samples_;
    std::size_t first_ = 0;
    std::size_t count_ = 0;
    double time_ = 0;
    int span_ = kStartSpan;
    std::uint64_t revision_ = 0;
    // What a drawing can add to the last one: the samples recorded since (counted from the last
    // clearing) while nothing else changed.
    std::uint64_t recorded_ = 0;
    std::uint64_t drawnRecorded_ = 0;
    std::uint64_t layout_ = 0;
    std::uint64_t drawnLayout_ = ~std::uint64_t(0);

    PlotRaster raster_;
    std::vector<Label> labels_;
    std::array<std::size_t, kMaxChosen> legend_{};     // each slot's legend among the labels
    std::uint64_t legendRecorded_ = ~std::uint64_t(0); // the samples the legend was written at
    std::string spoken_;
    std::uint64_t spokenCount_ = 0;
    double scale_ = 1;
    int labelPixels_ = kLabelPixels;
    int left_ = 0;
    int top_ = 0;
    int right_ = 0;
    int bottom_ = 0;
    double tStart_ = 0;
};
