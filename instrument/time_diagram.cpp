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
    addLabel(std::string(Language::translate("y")), left_ - scaled(6), row, Right, kTextColour);
    addLabel(std::string(Language::translate("t in Zeiteinheiten")), right_,
             bottom_ + scaled(4) + row + labelPixels_ + scaled(4), Right, kTextColour);
    // The legend: each chosen mass with its latest y, or how to choose one.
    if (!chosen_[0] && !chosen_[1]) {
        addLabel(std::string(Language::translate(kChooseHint)), left_ + scaled(4), row, Left,
                 kTextColour);
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

std::optional<long> TimeDiagram::latestHundredths(int slot) const {
    const float y = count_ > 0 ? sample(count_ - 1).y[std::size_t(slot)] : NAN;
    if (std::isnan(y)) {
        return std::nullopt;
    }
    // Up positive, clamped far beyond the view to what a long holds.
    return std::lround(std::clamp(-double(y) * 100, -1e9, 1e9));
}

void TimeDiagram::appendLegend(std::string& text, int slot, std::optional<long> hundredths) const {
    const int mass = *chosen_[std::size_t(slot)];
    if (mass == 0) {
        text += Language::translate("Anfangspunkt");
    } else {
        text += Language::translate("Kugel");
        text += ' ';
        text += std::to_string(mass);
    }
    if (!hundredths) {
        return;
    }
    // The shortest form, as the read-outs write it: -1,25, 0,5, 2.
    const long n = *hundredths;
    text += ": y = ";
    if (n < 0) {
        text += '-';
    }
    const long whole = std::labs(n) / 100;
    const long part = std::labs(n) % 100;
    text += std::to_string(whole);
    if (part != 0) {
        text += decimalSeparator_;
        text += char('0' + part / 10);
        if (part % 10 != 0) {
            text += char('0' + part % 10);
        }
    }
}

void TimeDiagram::writeLegend() {
    // Each frame writes it, so it is written cheaply: into the texts' own storage, and only
    // where the hundredths shown changed.
    for (int slot = 0; slot < kMaxChosen; ++slot) {
        const std::size_t s = std::size_t(slot);
        if (!chosen_[s]) {
            continue;
        }
        const std::optional<long> hundredths = latestHundredths(slot);
        std::string& text = labels_[legend_[s]].text;
        if (!text.empty() && hundredths == legendShown_[s]) {
            continue;
        }
        legendShown_[s] = hundredths;
        text.clear();
        appendLegend(text, slot, hundredths);
    }
}

std::string TimeDiagram::summary() const {
    if (!chosen_[0] && !chosen_[1]) {
        return std::string(Language::translate(kChooseHint));
    }
    std::string text;
    for (int slot = 0; slot < kMaxChosen; ++slot) {
        if (chosen_[std::size_t(slot)]) {
            if (!text.empty()) {
                text += "; ";
            }
            appendLegend(text, slot, latestHundredths(slot));
        }
    }
    return text;
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
