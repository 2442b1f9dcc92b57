// drag_latency_probe: how long the running program takes to show a drag of the chain's left end
// on the screen. It finds the chain view on the X display named by DISPLAY (the largest area in
// the view's pale-yellow background, with the chain at rest on its middle row), holds the left
// mouse button down in it and moves the pointer, through the XTest extension, alternately to two
// heights well apart. After each move it reads mass 0's column back from the screen until the
// black dot of mass 0 shows at the new height, and reports the times from move to dot. Between
// moves it waits a random 20 to 60 ms, so that the moves fall at random phases of the program's
// display frame.
// Usage: drag_latency_probe [moves] [--all] [--strip FILE]
//   moves         number of moves (default 200)
//   --all         prints every move's latency as well
//   --strip FILE  saves mass 0's column as the screen showed it after the last move (PPM image)
// Exit status: 0 measured; 1 no chain view with the chain at rest found, or a usage error;
// 2 no move was seen at all.
// scripts/measure-drag-latency runs it against the program under a virtual X server.

#include "core/chain_constants.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

// The chain view's user scale and colours, as the program draws them.
using Chain::kBackground;
using Chain::kMassColour;
using Chain::kViewHeight;
using Chain::kViewLeft;
using Chain::kViewTop;
using Chain::kViewWidth;
using Rgb = Chain::Rgb;
constexpr double kMass0X = 1;
// A mass in the middle of the chain, drawn at x = 49 + 1, checks the found view's width.
constexpr double kMiddleMassX = 50;
constexpr double kRestY = 0;
constexpr int kDotDiameter = Chain::kRestingPen;

// The two heights the pointer alternates between, in user units.
constexpr double kHeights[2] = {-1.5, 1.5};

// Smallest view taken for the chain view, in pixels, and the widest line across it (a marker)
// that is not its background.
constexpr int kMinViewWidth = 200;
constexpr int kMinViewHeight = 100;
constexpr int kMaxGap = 16;

// How long the program may take to put the window up before the probe starts.
constexpr auto kFindTimeout = std::chrono::seconds(10);
constexpr auto kFindRetry = std::chrono::milliseconds(200);
// A move not seen within this time counts as a timeout.
constexpr auto kMoveTimeout = std::chrono::milliseconds(500);
// Pause between two reads of the screen, so that the probe does not keep the X server busy.
constexpr auto kPollPause = std::chrono::microseconds(200);
// Time for the program to take in the pointer and the press before the first move.
constexpr auto kSettle = std::chrono::milliseconds(150);
constexpr int kMinGapMs = 20;
constexpr int kMaxGapMs = 60;
// Width of the saved strip around mass 0's column.
constexpr int kStripHalfWidth = 8;

struct ImageDeleter {
    void operator()(XImage* image) const { XDestroyImage(image); }
};
using Image = std::unique_ptr<XImage, ImageDeleter>;

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

// One colour channel of a pixel, scaled to 0..255 whatever the channel's width.
int channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const unsigned long value = (pixel & mask) >> shift;
    const unsigned long top = (1UL << bits) - 1;
    return static_cast<int>((value * 255 + top / 2) / top);
}

Rgb colourAt(XImage& image, int x, int y) {
    const unsigned long pixel = XGetPixel(&image, x, y);
    return {channel(pixel, image.red_mask), channel(pixel, image.green_mask),
            channel(pixel, image.blue_mask)};
}

// Rounds a pixel position the way the chain view does: to the nearest pixel, halves up.
int roundPixel(double value) {
    return static_cast<int>(std::floor(value + 0.5));
}

// The chain view on the screen, in root-window pixels, and its user scale.
struct View {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    // Offsets within the view, as the view converts user coordinates to pixels.
    int pixelX(double x) const { return roundPixel((x - kViewLeft) * width / kViewWidth); }
    int pixelY(double y) const { return roundPixel((y - kViewTop) * height / kViewHeight); }
    // The same on the screen.
    int screenX(double x) const { return left + pixelX(x); }
    int screenY(double y) const { return top + pixelY(y); }
};

Image grab(Display* display, Window root, int x, int y, int width, int height) {
    return Image(XGetImage(display, root, x, y, static_cast<unsigned>(width),
                           static_cast<unsigned>(height), AllPlanes, ZPixmap));
}

// The screen as a map of the pixels in the view's background colour.
class BackgroundMap {
public:
    explicit BackgroundMap(XImage& screen)
        : width_(screen.width), height_(screen.height),
          map_(static_cast<std::size_t>(width_) * height_) {
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                map_[index(x, y)] = colourAt(screen, x, y) == kBackground ? 1 : 0;
            }
        }
    }

    int width() const { return width_; }
    int height() const { return height_; }
    bool at(int x, int y) const { return map_[index(x, y)] != 0; }

    // Whether at least half of column x between the rows top and bottom is background.
    bool mostlyInColumn(int x, int top, int bottom) const {
        int count = 0;
        for (int y = top; y <= bottom; ++y) {
            count += map_[index(x, y)];
        }
        return 2 * count >= bottom - top + 1;
    }
    bool mostlyInRow(int y, int left, int right) const {
        int count = 0;
        for (int x = left; x <= right; ++x) {
            count += map_[index(x, y)];
        }
        return 2 * count >= right - left + 1;
    }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<char> map_;
};

// Widens [first, last] one line at a time, in direction step, to the last line that is mostly
// background, crossing up to kMaxGap lines that are not.
template <typename Mostly> int extend(int last, int step, int limit, Mostly mostly) {
    int edge = last;
    for (int line = last + step; line != limit && std::abs(line - edge) <= kMaxGap; line += step) {
        if (mostly(line)) {
            edge = line;
        }
    }
    return edge;
}

// The chain view starts from the widest run of background pixels in any row and grows to the
// columns and rows that are mostly background. Its dots, labels and markers are thin, but a
// marker such as the damping marker at x = 98 runs through the whole height and cuts every row.
std::optional<View> findView(XImage& screen) {
    const BackgroundMap map(screen);
    int bestLength = 0;
    int bestX = 0;
    int bestY = 0;
    for (int y = 0; y < map.height(); ++y) {
        int run = 0;
        for (int x = 0; x < map.width(); ++x) {
            run = map.at(x, y) ? run + 1 : 0;
            if (run > bestLength) {
                bestLength = run;
                bestX = x - run + 1;
                bestY = y;
            }
        }
    }
    if (bestLength < kMinViewWidth / 2) {
        return std::nullopt;
    }
    int left = bestX;
    int right = bestX + bestLength - 1;
    int top = bestY;
    int bottom = bestY;
    // Rows first, from the run's columns; then the columns over those rows; then the rows
    // again over the full width.
    auto growRows = [&] {
        auto row = [&](int y) { return map.mostlyInRow(y, left, right); };
        top = extend(top, -1, -1, row);
        bottom = extend(bottom, 1, map.height(), row);
    };
    growRows();
    auto column = [&](int x) { return map.mostlyInColumn(x, top, bottom); };
    left = extend(left, -1, -1, column);
    right = extend(right, 1, map.width(), column);
    growRows();
    const View view{left, top, right - left + 1, bottom - top + 1};
    if (view.width < kMinViewWidth || view.height < kMinViewHeight) {
        return std::nullopt;
    }
    return view;
}

bool isMassColour(XImage& image, int x, int y) {
    return colourAt(image, x, y) == kMassColour;
}

// Waits for the program's window: a chain view with mass 0 and a mass in the middle of the
// chain at rest on its middle row.
std::optional<View> waitForView(Display* display, Window root) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    const auto deadline = Clock::now() + kFindTimeout;
    for (;;) {
        Image screen = grab(display, root, 0, 0, attributes.width, attributes.height);
        if (screen) {
            const std::optional<View> view = findView(*screen);
            if (view && isMassColour(*screen, view->screenX(kMass0X), view->screenY(kRestY)) &&
                isMassColour(*screen, view->screenX(kMiddleMassX), view->screenY(kRestY))) {
                return view;
            }
        }
        if (Clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(kFindRetry);
    }
}

// Mass 0's column between the two heights, with a margin of the dot's size: labels in the
// view stand nearer its top and bottom edges and are left out.
struct Column {
    int x;
    int top;
    int height;
};

Column columnBetweenHeights(const View& view) {
    const int top = view.screenY(kHeights[0]) - 2 * kDotDiameter;
    const int bottom = view.screenY(kHeights[1]) + 2 * kDotDiameter;
    return {view.screenX(kMass0X), top, bottom - top + 1};
}

// The dot has arrived when its centre pixel shows the mass colour.
bool dotAt(XImage& column, int row) {
    return isMassColour(column, 0, row);
}

// The whole dot: a disc of the pen's diameter covers its centre column from two pixels above
// the centre to one below.

bool fullDotAt(XImage& column, int row) {
    for (int r = row - kDotDiameter / 2; r < row + (kDotDiameter + 1) / 2; ++r) {
        if (r < 0 || r >= column.height || !isMassColour(column, 0, r)) {
            return false;
        }
    }
    return true;
}

void savePpm(XImage& image, const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << image.width << ' ' << image.height << "\n255\n";
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = colourAt(image, x, y);
            const char bytes[3] = {static_cast<char>(c.r), static_cast<char>(c.g),
                                   static_cast<char>(c.b)};
            out.write(bytes, 3);
        }
    }
}

struct Options {
    int moves = 200;
    bool all = false;
    std::string strip;
};

std::optional<Options> parse(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--all") {
            options.all = true;
        } else if (arg == "--strip" && i + 1 < argc) {
            options.strip = argv[++i];
        } else {
            char* end = nullptr;
            const long moves = std::strtol(arg.c_str(), &end, 10);
            if (arg.empty() || *end != '\0' || moves < 1 || moves > 1000000) {
                return std::nullopt;
            }
            options.moves = static_cast<int>(moves);
        }
    }
    return options;
}

std::string oneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f ms", value);
    return text;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::optional<Options> options = parse(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: drag_latency_probe [moves] [--all] [--strip FILE]\n");
        return 1;
    }
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display) {
        std::fprintf(stderr, "drag_latency_probe: cannot open the X display\n");
        return 1;
    }
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display.get(), &eventBase, &errorBase, &major, &minor)) {
        std::fprintf(stderr, "drag_latency_probe: the X server has no XTest extension\n");
        return 1;
    }
    const int screenNumber = DefaultScreen(display.get());
    const Window root = RootWindow(display.get(), screenNumber);

    const std::optional<View> found = waitForView(display.get(), root);
    if (!found) {
        std::fprintf(stderr, "drag_latency_probe: no chain view with the chain at rest on the "
                             "screen\n");
        return 1;
    }
    const View view = *found;
    const Column column = columnBetweenHeights(view);
    std::fprintf(stderr, "chain view at %d,%d, %dx%d pixels; mass 0 in column %d, rows %d and %d\n",
                 view.left, view.top, view.width, view.height, column.x, view.screenY(kHeights[0]),
                 view.screenY(kHeights[1]));

    // Grab the end where it rests, then hold the button.
    XTestFakeMotionEvent(display.get(), screenNumber, view.screenX(kMass0X), view.screenY(kRestY),
                         CurrentTime);
    XSync(display.get(), False);
    std::this_thread::sleep_for(kSettle);
    XTestFakeButtonEvent(display.get(), 1, True, CurrentTime);
    XSync(display.get(), False);
    std::this_thread::sleep_for(kSettle);

    std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<int> gap(kMinGapMs, kMaxGapMs);
    std::vector<double> latencies;
    latencies.reserve(static_cast<std::size_t>(options->moves));
    int timeouts = 0;
    int partialDots = 0;
    int staleDots = 0;
    for (int move = 0; move < options->moves; ++move) {
        const double height = kHeights[move % 2];
        const int screenRow = view.screenY(height);
        const int row = screenRow - column.top;
        // After a timeout the dot may still stand at the new height from the move before; a
        // dot found there before this move would give no latency at all.
        if (Image before = grab(display.get(), root, column.x, column.top, 1, column.height);
            before && dotAt(*before, row)) {
            ++staleDots;
        }
        XTestFakeMotionEvent(display.get(), screenNumber, column.x, screenRow, CurrentTime);
        XFlush(display.get());
        const auto start = Clock::now();
        bool seen = false;
        for (;;) {
            Image strip = grab(display.get(), root, column.x, column.top, 1, column.height);
            const auto now = Clock::now();
            if (strip && dotAt(*strip, row)) {
                latencies.push_back(Milliseconds(now - start).count());
                if (!fullDotAt(*strip, row)) {
                    ++partialDots;
                }
                seen = true;
                break;
            }
            if (now - start >= kMoveTimeout) {
                break;
            }
            std::this_thread::sleep_for(kPollPause);
        }
        if (!seen) {
            ++timeouts;
        }
        if (options->all) {
            if (seen) {
                std::printf("move %d to %+.1f: %.1f ms\n", move + 1, height, latencies.back());
            } else {
                std::printf("move %d to %+.1f: timeout\n", move + 1, height);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(gap(random)));
    }
    if (!options->strip.empty()) {
        const int x = std::max(0, column.x - kStripHalfWidth);
        Image strip = grab(display.get(), root, x, view.top, 2 * kStripHalfWidth, view.height);
        if (strip) {
            savePpm(*strip, options->strip);
        }
    }
    XTestFakeButtonEvent(display.get(), 1, False, CurrentTime);
    XSync(display.get(), False);

    if (staleDots > 0) {
        std::fprintf(stderr,
                     "drag_latency_probe: %d moves found the dot at the new height "
                     "already before the move\n",
                     staleDots);
    }
    if (partialDots > 0) {
        std::fprintf(stderr, "drag_latency_probe: %d moves showed only part of the dot first\n",
                     partialDots);
    }
    // The figures are those of the moves seen; the others count as timeouts.
    std::printf("drag latency over %d moves: ", options->moves);
    if (latencies.empty()) {
        std::printf("median -, 90th percentile -, worst -, timeouts %d\n", timeouts);
        return 2;
    }
    std::sort(latencies.begin(), latencies.end());
    const std::size_t n = latencies.size();
    const double median =
        n % 2 == 1 ? latencies[n / 2] : (latencies[n / 2 - 1] + latencies[n / 2]) / 2;
    // Nearest rank: the smallest latency that at least 90% of the moves did not exceed.
    const auto rank = static_cast<std::size_t>(std::ceil(0.9 * static_cast<double>(n)));
    const double p90 = latencies[std::max<std::size_t>(rank, 1) - 1];
    std::printf("median %s, 90th percentile %s, worst %s, timeouts %d\n",
                oneDecimal(median).c_str(), oneDecimal(p90).c_str(),
                oneDecimal(latencies.back()).c_str(), timeouts);
    return 0;
}
