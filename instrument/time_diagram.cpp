#include "instrument/time_diagram.h"

#include "core/chain_state.h"
#include "instrument/chain_pass.h"
#include "instrument/input_codes.h"
#include "instrument/read_out_text.h"
#include "language/language.h"
#include "picture/chain_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <type_traits>

namespace {

// The smallest step of the time: the speed bar's lowest value.
constexpr double kSmallestStep = 0.01;
constexpr std::size_t kCapacity = std::size_t(TimeDiagram::kMaxSpan / kSmallestStep) + 2;

constexpr Chain::Rgb kAxisColour{0, 0, 0};
constexpr Chain::Rgb kGridColour{220, 220, 200};
constexpr Chain::Rgb kTextColour{0, 0, 0};

// The plot's pixels are in the chain picture's format.
static_assert(std::is_same_v<PlotRaster::Pixel, ChainPicture::Pixel>);

// The margins around the plot, in pixels: a row of legends above, the y labels to the left,
// the t labels and the axis caption below.
constexpr int kLeftMargin = 44;
constexpr int kTopMargin = 24;
constexpr int kRightMargin = 16;
constexpr int kBottomMargin = 38;
constexpr int kCurveThickness = 2;

// The time ticks' step: the smallest of 1, 2, 5 times a power of ten that leaves at most six
// steps across the span.
double tickStep(int span) {
    double power = 1;
    while (true) {
        for (const double m : {1.0, 2.0, 5.0}) {
            if (m * power * 6 >= span) {
                return m * power;
            }
        }
        power *= 10;
    }
}

} // namespace

TimeDiagram::TimeDiagram(std::string decimalSeparator)
    : decimalSeparator_(std::move(decimalSeparator)), samples_(kCapacity) {}

int TimeDiagram::chooseNearest(float x) {
    // Mass i is drawn at massX(i) = i + 1.
    const double nearest = std::floor(double(x) + 0.5) - InputCodes::massX(0);
    const int mass = static_cast<int>(std::clamp(nearest, 0.0, double(kMasses - 1)));
    ++layout_;
    ++revision_;
    for (int slot = 0; slot < kMaxChosen; ++slot) {
        if (chosen_[std::size_t(slot)] == mass) {
            chosen_[std::size_t(slot)].reset();
            forgetSlot(slot);
            older_ = 1 - slot;
            speak(); // let go: what is left is said
            return mass;
        }
    }
    const bool none = !chosen_[0] && !chosen_[1];
    int slot = older_;
    if (!chosen_[0] || !chosen_[1]) {
        slot = chosen_[0] ? 1 : 0;
    }
    if (none) {
        clear();
    } else {
        forgetSlot(slot);
    }
    chosen_[std::size_t(slot)] = mass;
    // The other slot, if taken, was chosen before this one.
    older_ = chosen_[std::size_t(1 - slot)] ? 1 - slot : slot;
    speak();
    return mass;
}

std::optional<Chain::Rgb> TimeDiagram::colourOf(int mass) const {
    for (int slot = 0; slot < kMaxChosen; ++slot) {
        if (chosen_[std::size_t(slot)] == mass) {
            return kColours[std::size_t(slot)];
        }
    }
    return std::nullopt;
}

void TimeDiagram::forgetSlot(int slot) {
    for (std::size_t i = 0; i < count_; ++i) {
        samples_[(first_ + i) % samples_.size()].y[std::size_t(slot)] =
            std::numeric_limits<float>::quiet_NaN();
    }
}

void TimeDiagram::record(const ChainState& state) {
    if (!chosen_[0] && !chosen_[1]) {
        return;
    }
    double t = time_ + double(state.dt);
    if (state.clockOn == 1) {
        t = double(state.clockTime) + double(state.clockCarry);
        if (count_ > 0 && t < time_) {
            clear(); // the clock started anew
        }
    }
    time_ = t;
    Sample s{t, {}};
    for (std::size_t slot = 0; slot < kMaxChosen; ++slot) {
        s.y[slot] =
            chosen_[slot] ? state.y[*chosen_[slot]] : std::numeric_limits<float>::quiet_NaN();
    }
    if (count_ == samples_.size()) {
        first_ = (first_ + 1) % samples_.size();
        --count_;
    }
    samples_[(first_ + count_) % samples_.size()] = s;
    ++count_;
    ++recorded_;
    ++revision_;
}

void TimeDiagram::clear() {
    first_ = 0;
    count_ = 0;
    time_ = 0;
    recorded_ = 0;
    ++layout_;
    ++revision_;
}

void TimeDiagram::setSpan(int units) {
    units = std::clamp(units, kMinSpan, kMaxSpan);
    if (units != span_) {
        span_ = units;
        ++layout_;
        ++revision_;
    }
}

std::string TimeDiagram::spanCaption() const {
    return std::string(Language::translate("Zeitspanne")) + ": " + std::to_string(span_);
}

std::string TimeDiagram::csv() const {
    const std::string_view point = Language::decimalSeparator(",");
    const char separator = point == "," ? ';' : ',';
    // The time at the clock's resolution, as its read-out shows it: "621,6", not the float sum's
    // "621,60004".
    const auto writeTime = [&](std::string& out, double t) {
        const long long hundredths = ChainPass::clockHundredths(t);
        if (hundredths < 0) {
            out += '-';
        }
        const unsigned long long n = hundredths < 0 ? 0ULL - hundredths : hundredths;
        out += std::to_string(n / 100);
        if (const unsigned long long part = n % 100; part != 0) {
            out += point;
            out += char('0' + part / 10);
            if (part % 10 != 0) {
                out += char('0' + part % 10);
            }
        }
    };
    // y in fixed notation to a ten-thousandth of a ball spacing, every row alike, without a
    // minus on a value that rounds to zero. The C library writes the point whatever the locale;
    // it is written as the language's.
    const auto writeY = [&](std::string& out, float y) {
        char text[64];
        const int length = std::snprintf(text, sizeof text, "%.4f", double(y));
        std::string_view cell(text, std::size_t(std::clamp(length, 0, int(sizeof text) - 1)));
        if (cell.find_first_of("123456789") == std::string_view::npos && cell.starts_with('-')) {
            cell.remove_prefix(1);
        }
        for (const char c : cell) {
            out.append(c == '.' ? point : std::string_view(&c, 1));
        }
    };
    // The byte order mark tells a spreadsheet the text is UTF-8 ("Kugelabständen").
    std::string out = "\xEF\xBB\xBF";
    out += Language::translate("t in Zeiteinheiten");
    for (int slot = 0; slot < kMaxChosen; ++slot) {
        if (const auto mass = chosen_[std::size_t(slot)]) {
            out += separator;
            out += mass == 0
                       ? std::string(Language::translate("Anfangspunkt"))
                       : std::string(Language::translate("Kugel")) + ' ' + std::to_string(*mass);
            out += Language::translate(N_(": y in Kugelabständen (oben positiv)"));
        }
    }
    out += "\r\n";
    for (std::size_t i = 0; i < count_; ++i) {
        const Sample& s = sample(i);
        writeTime(out, s.t);
        for (int slot = 0; slot < kMaxChosen; ++slot) {
            const float y = s.y[std::size_t(slot)];
            if (chosen_[std::size_t(slot)]) {
                out += separator;
                if (!std::isnan(y)) {
                    writeY(out, -y); // up positive
                }
            }
        }
        out += "\r\n";
    }
    return out;
}

std::string_view TimeDiagram::title() {
    return Language::translate("Zeitdiagramm");
}

int TimeDiagram::columnOf(double t) const {
    const double across = (t - tStart_) / span_ * (right_ - left_);
    return left_ + static_cast<int>(std::floor(std::clamp(across, -1.0, double(right_ - left_))));
}

int TimeDiagram::rowOf(float y) const {
    // As in the chain view: -3 at the top, +3 at the bottom; beyond them, on the edge.
    const double down = (double(y) - Chain::kViewTop) / Chain::kViewHeight * (bottom_ - top_ - 1);
    return top_ + static_cast<int>(std::lround(std::clamp(down, 0.0, double(bottom_ - top_ - 1))));
}

std::string TimeDiagram::number(double value) const {
    return ReadOutText::ofDouble(value, decimalSeparator_);
}

void TimeDiagram::addLabel(std::string text, int x, int y, Label::Align align, Chain::Rgb colour) {
    labels_.push_back({std::move(text), x, y, align, colour});
}

void TimeDiagram::draw(int width, int height, double scale) {
    const double tEnd = count_ > 0 ? sample(count_ - 1).t : 0;
    // The axis moves on by half its span once the curves reach its right end, so that between
    // two such moves a drawing adds only the points recorded since the last one.
    const double half = span_ / 2.0;
    const double start = tEnd <= span_ ? 0.0 : std::ceil((tEnd - span_) / half) * half;
    const std::uint64_t fresh = recorded_ - drawnRecorded_;
    const bool whole = width != raster_.width() || height != raster_.height() || start != tStart_ ||
                       layout_ != drawnLayout_ || fresh >= count_ || scale != scale_;
    if (whole) {
        if (width != raster_.width() || height != raster_.height()) {
            raster_.resize(width, height, ChainPicture::pixelOf(Chain::kBackground));
        } else {
            raster_.fill(ChainPicture::pixelOf(Chain::kBackground));
        }
        scale_ = scale;
        labelPixels_ = scaled(kLabelPixels);
        left_ = scaled(kLeftMargin);
        top_ = scaled(kTopMargin);
        right_ = std::max(left_ + 1, width - scaled(kRightMargin));
        bottom_ = std::max(top_ + 1, height - scaled(kBottomMargin));
        tStart_ = start;
        drawAxes();
    }
    // Drawn anew: every point shown, found by halving (the samples rise in time) rather than by
    // a walk through a recording that may hold forty thousand; else from the last point drawn.
    std::size_t from = count_ - std::min<std::size_t>(count_, fresh + 1);
    if (whole) {
        std::size_t high = count_;
        from = 0;
        while (from < high) {
            const std::size_t middle = from + (high - from) / 2;
            if (sample(middle).t < tStart_) {
                from = middle + 1;
            } else {
                high = middle;
            }
        }
    }
    for (int slot = 0; slot < kMaxChosen; ++slot) {
        drawCurve(slot, ChainPicture::pixelOf(kColours[std::size_t(slot)]), from);
    }
    drawnRecorded_ = recorded_;
    drawnLayout_ = layout_;
    if (whole) {
        layOutLabels();
    } else {
        writeLegend();
    }
}

void TimeDiagram::drawAxes() {
    const int line = std::max(1, scaled(1));
    const int tick = scaled(4);
    // The y axis in the view's units, a grid line at every unit.
    for (int y = -3; y <= 3; ++y) {
        const int at = rowOf(float(y));
        raster_.fillRect(left_, at, right_, at + line,
                         ChainPicture::pixelOf(y == 0 ? kAxisColour : kGridColour));
        raster_.fillRect(left_ - tick, at, left_, at + line, ChainPicture::pixelOf(kAxisColour));
    }
    // The time axis along the bottom, a grid line at every tick.
    const double step = tickStep(span_);
    for (double t = std::ceil(tStart_ / step) * step; t <= tStart_ + span_ + 1e-9; t += step) {
        const int at = columnOf(t);
        raster_.fillRect(at, top_, at + line, bottom_, ChainPicture::pixelOf(kGridColour));
        raster_.fillRect(at, bottom_, at + line, bottom_ + tick,
                         ChainPicture::pixelOf(kAxisColour));
    }
    raster_.fillRect(left_, top_, left_ + line, bottom_, ChainPicture::pixelOf(kAxisColour));
    raster_.fillRect(left_, bottom_, right_, bottom_ + line, ChainPicture::pixelOf(kAxisColour));
}

int TimeDiagram::textWidth(std::string_view text) const {
    // An average letter of the labels' sans-serif font, a little wide, by characters (not the
    // bytes of UTF-8's continuation).
    constexpr double kLetter = 0.5;
    const auto letters = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return static_cast<int>(std::ceil(double(letters) * kLetter * labelPixels_));
}

std::string_view TimeDiagram::firstFitting(std::initializer_list<std::string_view> texts,
                                           int room) const {
    for (const std::string_view text : texts) {
        if (textWidth(text) <= room) {
            return text;
        }
    }
    return *(texts.end() - 1);
}

void TimeDiagram::layOutLabels() {
    using enum Label::Align;
    labels_.clear();
    const int row = labelPixels_ / 2 + scaled(4);
    // A label at every unit where the rows leave room for them, else at -3, 0 and 3 only.
    const int yStep = rowOf(1.0F) - rowOf(0.0F) >= labelPixels_ + scaled(2) ? 1 : 3;
    // Up is positive, as a student reads a graph: the row of the view's -3, at the top, reads 3.
    for (int y = -3; y <= 3; y += yStep) {
        addLabel(number(-y), left_ - scaled(6), rowOf(float(y)), Right, kTextColour);
    }
    const double step = tickStep(span_);
    for (double t = std::ceil(tStart_ / step) * step; t <= tStart_ + span_ + 1e-9; t += step) {
        addLabel(number(t), columnOf(t), bottom_ + scaled(4) + row, Centre, kTextColour);
    }
    // The axes' captions in the row beneath the time labels: y's at the left, t's at the right;
    // in a narrow diagram y's without its note, where the full one would run into t's.
    const int captions = bottom_ + scaled(4) + row + labelPixels_ + scaled(4);
    const std::string_view tCaption = Language::translate("t in Zeiteinheiten");
    const std::string_view yCaption =
        firstFitting({Language::translate("y in Kugelabständen (oben positiv)"),
                      Language::translate("y in Kugelabständen")},
                     right_ - scaled(4) - scaled(12) - textWidth(tCaption));
    addLabel(std::string(yCaption), scaled(4), captions, Left, kTextColour);
    addLabel(std::string(tCaption), right_, captions, Right, kTextColour);
    // The legend: each chosen mass with its amplitude and period, or how to choose one, in
    // fewer words where the diagram is narrow.
    if (!chosen_[0] && !chosen_[1]) {
        const std::string_view hint =
            firstFitting({Language::translate(kChooseHint), Language::translate(kShortChooseHint)},
                         right_ - left_ - scaled(4));
        addLabel(std::string(hint), left_ + scaled(4), row, Left, kTextColour);
        return;
    }
    for (int slot = 0; slot < kMaxChosen; ++slot) {
        legend_[std::size_t(slot)] = labels_.size();
        if (chosen_[std::size_t(slot)]) {
            addLabel({}, left_ + scaled(4) + slot * (right_ - left_) / 2, row, Left,
                     kColours[std::size_t(slot)]);
        }
    }
    writeLegend();
}

std::optional<TimeDiagram::Swing> TimeDiagram::swing(int slot) const {
    const std::size_t s = std::size_t(slot);
    // The upward passes through `level`, each once the curve was `below` it and found between
    // the two samples around it; up positive, as the diagram draws the curve. The last
    // kPeriods + 1 of them: their times and the first sample after each.
    struct Passes {
        std::array<double, kPeriods + 1> t{};
        std::array<std::size_t, kPeriods + 1> at{};
        int count = 0;
    };
    const auto passes = [&](double level, double below) {
        Passes found;
        bool armed = false;
        bool have = false;
        double lastT = 0;
        double lastUp = 0;
        for (std::size_t i = 0; i < count_; ++i) {
            const Sample& sample = this->sample(i);
            if (std::isnan(sample.y[s])) {
                have = armed = false;
                continue;
            }
            const double up = -double(sample.y[s]);
            if (up < level - below) {
                armed = true;
            } else if (armed && have && up >= level && lastUp < level) {
                if (found.count == kPeriods + 1) {
                    std::shift_left(found.t.begin(), found.t.end(), 1);
                    std::shift_left(found.at.begin(), found.at.end(), 1);
                    --found.count;
                }
                found.t[std::size_t(found.count)] =
                    lastT + (sample.t - lastT) * (level - lastUp) / (up - lastUp);
                found.at[std::size_t(found.count)] = i;
                ++found.count;
                armed = false;
            }
            have = true;
            lastT = sample.t;
            lastUp = up;
        }
        return found;
    };
    // The mean, lowest and highest of the samples from `from` to before `to`.
    struct Spread {
        double mean = 0;
        double low = std::numeric_limits<double>::infinity();
        double high = -std::numeric_limits<double>::infinity();
        double half() const { return (high - low) / 2; }
    };
    const auto spread = [&](std::size_t from, std::size_t to) {
        Spread found;
        std::size_t n = 0;
        for (std::size_t i = from; i < to; ++i) {
            if (const float y = sample(i).y[s]; !std::isnan(y)) {
                found.mean += -double(y);
                found.low = std::min(found.low, -double(y));
                found.high = std::max(found.high, -double(y));
                ++n;
            }
        }
        found.mean /= double(std::max<std::size_t>(n, 1));
        return found;
    };
    // The passes through the mean of the whole recording first, then through the mean of the
    // whole periods found, where a wave that builds up or an end held aside has moved it.
    Spread range = spread(0, count_);
    if (!(range.half() >= kLeastSwing)) {
        return std::nullopt;
    }
    for (int round = 0; round < 2; ++round) {
        const Passes found = passes(range.mean, std::max(kLeastSwing, range.half() / 5));
        if (found.count < 2) {
            return std::nullopt;
        }
        const std::size_t last = std::size_t(found.count - 1);
        range = spread(found.at[0], found.at[last]);
        if (round == 1) {
            return Swing{range.half(), (found.t[last] - found.t[0]) / double(last)};
        }
    }
    return std::nullopt;
}

std::string TimeDiagram::legendOf(int slot) const {
    const int mass = *chosen_[std::size_t(slot)];
    const std::string name =
        mass == 0 ? std::string(Language::translate("Anfangspunkt"))
                  : std::string(Language::translate("Kugel")) + ' ' + std::to_string(mass);
    // Fixed decimals, as a student writes them into a table: 0,77 and 20,0.
    const auto fixed = [this](double value, int decimals) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        std::string out;
        for (const char* c = text; *c != 0; ++c) {
            out.append(*c == '-' || (*c >= '0' && *c <= '9') ? std::string_view(c, 1)
                                                             : std::string_view(decimalSeparator_));
        }
        return out;
    };
    const std::optional<Swing> figures = swing(slot);
    std::string text(Language::translate(figures ? N_("%1: Amplitude %2, Periode %3")
                                                 : N_("%1: noch keine ganze Periode")));
    const std::array<std::string, 3> parts{name, figures ? fixed(figures->amplitude, 2) : "",
                                           figures ? fixed(figures->period, 1) : ""};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        // Appended piece by piece: g++ 12 wrongly flags a literal plus a temporary string.
        std::string mark(1, '%');
        mark += std::to_string(i + 1);
        if (const std::size_t at = text.find(mark); at != std::string::npos) {
            text.replace(at, mark.size(), parts[i]);
        }
    }
    return text;
}

void TimeDiagram::writeLegend() {
    // Each frame writes it, so it is written only where samples came since it was last written.
    for (int slot = 0; slot < kMaxChosen; ++slot) {
        const std::size_t s = std::size_t(slot);
        std::string& text = labels_[legend_[s]].text;
        if (chosen_[s] && (text.empty() || recorded_ != legendRecorded_)) {
            text = legendOf(slot);
        }
    }
    legendRecorded_ = recorded_;
}

std::string TimeDiagram::summary() const {
    if (!chosen_[0] && !chosen_[1]) {
        return std::string(Language::translate(kChooseHint));
    }
    std::string text;
    for (int slot = 0; slot < kMaxChosen; ++slot) {
        if (chosen_[std::size_t(slot)]) {
            text += (text.empty() ? "" : "; ") + legendOf(slot);
        }
    }
    return text;
}

void TimeDiagram::speak() {
    spoken_ = summary();
    ++spokenCount_;
}

bool TimeDiagram::keyPress(std::string_view typed) {
    if (typed != "a" && typed != "A") {
        return false;
    }
    speak();
    return true;
}

int TimeDiagram::scaled(int pixels) const {
    return static_cast<int>(std::lround(pixels * scale_));
}

void TimeDiagram::drawCurve(int slot, Pixel colour, std::size_t from) {
    bool have = false;
    int lastX = 0;
    int lastY = 0;
    for (std::size_t i = from; i < count_; ++i) {
        const Sample& s = sample(i);
        const float y = s.y[std::size_t(slot)];
        if (s.t < tStart_ || std::isnan(y)) {
            have = false;
            continue;
        }
        const int x = columnOf(s.t);
        const int row = rowOf(y);
        if (!have || x <= lastX) {
            raster_.verticalRun(x, have ? lastY : row, row, scaled(kCurveThickness), colour);
        } else {
            // Across the columns between two samples, the line between them.
            int from = lastY;
            for (int c = lastX + 1; c <= x; ++c) {
                const int r =
                    lastY +
                    static_cast<int>(std::lround(double(row - lastY) * (c - lastX) / (x - lastX)));
                raster_.verticalRun(c, from, r, scaled(kCurveThickness), colour);
                from = r;
            }
        }
        have = true;
        lastX = x;
        lastY = row;
    }
}
