// The page's view of the instrument: plain C functions that the page's script calls, with the
// picture, the changed rectangles and the controls' state read straight out of the module's
// memory. One instrument per page.

#include "core/chain_constants.h"
#include "core/runtime_error.h"
#include "instrument/chain_keys.h"
#include "web/web_instrument.h"

#include <array>
#include <cstdint>
#include <emscripten/emscripten.h>
#include <string>

namespace {

WebInstrument* instrument = nullptr;

// Set by the panels' observer, cleared by the page once it has shown the control.
std::array<std::uint8_t, kControlCount> changed{};

// One control's state as the page reads it, field by field at fixed offsets.
struct ControlView {
    const char* caption;
    std::int32_t captionLength;
    std::int32_t visible;
    std::int32_t checked;
    std::int32_t back; // 0xRRGGBB, or -1 for the page's own colour
    std::int32_t minimum;
    std::int32_t maximum;
    std::int32_t smallChange;
    std::int32_t largeChange;
    std::int32_t value;
    float x;
    float y;
};
ControlView view;

std::string infoText;

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += c == '\n' ? "\\n" : " ";
        } else {
            out += c;
        }
    }
    out += '"';
}

} // namespace

// The page shows the error and stops its run; the module is not entered again.
EM_JS(void, ondix_show_run_time_error, (int code, const char* message, int length),
      { Module.onRunTimeError(code, UTF8ToString(message, length)); });
EM_JS(void, ondix_show_end, (), { Module.onEnd(); });

extern "C" {

EMSCRIPTEN_KEEPALIVE void ondix_start(int width, int height, double scale) {
    setRunTimeErrorReporter([](const RunTimeError& error) {
        writeRunTimeError(error);
        ondix_show_run_time_error(static_cast<int>(error.code), error.message.data(),
                                  static_cast<int>(error.message.size()));
        // Returning aborts the module: the browser unwinds to the page's call as an exception.
    });
    instrument = new WebInstrument(",");
    changed.fill(1);
    instrument->panels().observe(
        [](Control control, Panels::Aspect) { changed[static_cast<std::size_t>(control)] = 1; });
    instrument->onEnd([] { ondix_show_end(); });
    instrument->start(width, height, scale);
}

EMSCRIPTEN_KEEPALIVE void ondix_resize(int width, int height, double scale) {
    instrument->resize(width, height, scale);
}

EMSCRIPTEN_KEEPALIVE int ondix_run_passes(int count) {
    return instrument->runPasses(count);
}

EMSCRIPTEN_KEEPALIVE int ondix_running() {
    return instrument->running() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int ondix_at_rest() {
    return instrument->atRest() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void ondix_click(int control) {
    instrument->click(static_cast<Control>(control));
}

EMSCRIPTEN_KEEPALIVE void ondix_scroll(int control, int value) {
    instrument->scroll(static_cast<Control>(control), value);
}

EMSCRIPTEN_KEEPALIVE void ondix_pointer(int kind, int button, int shift, double x, double y) {
    instrument->pointer(static_cast<WebInstrument::Pointer>(kind), button, shift, x, y);
}

EMSCRIPTEN_KEEPALIVE int ondix_key_press(int key, int shift) {
    return instrument->keys().keyPress(static_cast<ChainKeys::Key>(key), shift) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void ondix_key_release(int key, int shift) {
    instrument->keys().keyRelease(static_cast<ChainKeys::Key>(key), shift, false);
}

EMSCRIPTEN_KEEPALIVE void ondix_focus_lost() {
    instrument->keys().focusLost();
}

// One finger of a touch event: the event's type, the finger and its state (ChainTouch).
EMSCRIPTEN_KEEPALIVE void ondix_touch(int type, int id, int state, double x, double y,
                                      double timestamp, int dragDistance) {
    const ChainTouch::Point point{id, static_cast<ChainTouch::Point::State>(state), x, y};
    instrument->touch(static_cast<ChainTouch::Type>(type), {&point, 1},
                      static_cast<std::uint64_t>(timestamp), dragDistance);
}

// The view's user scale, as the page needs it to place the labels in the view: left, width,
// top, height.
EMSCRIPTEN_KEEPALIVE const float* ondix_view_extent() {
    static constexpr std::array<float, 4> kExtent{Chain::kViewLeft, Chain::kViewWidth,
                                                  Chain::kViewTop, Chain::kViewHeight};
    return kExtent.data();
}

EMSCRIPTEN_KEEPALIVE std::uint32_t* ondix_pixels() {
    return instrument->picture().pixels();
}

// The rectangles changed since the last call, as x, y, width, height; their number in *count.
EMSCRIPTEN_KEEPALIVE const PixelRect* ondix_take_changes(int* count) {
    const std::vector<PixelRect>& rects = instrument->picture().changes().take();
    *count = static_cast<int>(rects.size());
    return rects.data();
}

EMSCRIPTEN_KEEPALIVE std::uint8_t* ondix_changed_controls() {
    return changed.data();
}

EMSCRIPTEN_KEEPALIVE const ControlView* ondix_control(int control) {
    const Panels::State& s = instrument->panels()[static_cast<Control>(control)];
    view = {s.caption.c_str(),
            static_cast<std::int32_t>(s.caption.size()),
            s.visible ? 1 : 0,
            s.checked ? 1 : 0,
            s.back ? (s.back->r << 16 | s.back->g << 8 | s.back->b) : -1,
            s.range.minimum,
            s.range.maximum,
            s.range.smallChange,
            s.range.largeChange,
            s.value,
            s.x,
            s.y};
    return &view;
}

// The control map: the page finds each control's element by its name.
EMSCRIPTEN_KEEPALIVE int ondix_control_count() {
    return kControlCount;
}

EMSCRIPTEN_KEEPALIVE const char* ondix_control_name(int control) {
    // The names are literals, each ending in a zero.
    return controlName(static_cast<Control>(control)).data();
}

EMSCRIPTEN_KEEPALIVE const char* ondix_key_list() {
    static const std::string keys = ChainKeys::keyList();
    return keys.c_str();
}

// The information page on the chain type in use, as JSON: title, size and blocks in fixed
// units, each block with its colour and text.
EMSCRIPTEN_KEEPALIVE const char* ondix_info_page() {
    const std::optional<InfoPage> page = instrument->infoPage();
    infoText.clear();
    if (!page) {
        return "";
    }
    infoText += "{\"title\":";
    appendJsonString(infoText, page->title);
    infoText += ",\"width\":" + std::to_string(page->width) +
                ",\"height\":" + std::to_string(page->height) + ",\"blocks\":[";
    for (std::size_t i = 0; i < page->blocks.size(); ++i) {
        const InfoBlock& b = page->blocks[i];
        infoText += i == 0 ? "{" : ",{";
        infoText += "\"left\":" + std::to_string(b.left) + ",\"top\":" + std::to_string(b.top) +
                    ",\"width\":" + std::to_string(b.width) +
                    ",\"height\":" + std::to_string(b.height) + ",\"rgb\":[" +
                    std::to_string(b.background.r) + "," + std::to_string(b.background.g) + "," +
                    std::to_string(b.background.b) + "],\"text\":";
        appendJsonString(infoText, i < page->texts.size() ? page->texts[i] : "");
        infoText += "}";
    }
    infoText += "]}";
    return infoText.c_str();
}

// The state that two editions of one session must share, for the page's tests: a hash of the
// chain's displacements and velocities, bit for bit, and one of the picture's pixels.
EMSCRIPTEN_KEEPALIVE double ondix_state_hash() {
    return static_cast<double>(instrument->stateHash());
}

EMSCRIPTEN_KEEPALIVE double ondix_picture_hash() {
    return static_cast<double>(instrument->pictureHash());
}

// A time step the speed bar cannot set (it stops at 0.5), for the tests of a run that blows up.
EMSCRIPTEN_KEEPALIVE void ondix_set_step(float dt) {
    instrument->state().dt = dt;
}

} // extern "C"
