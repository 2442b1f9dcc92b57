// The test module's own exports, beside the page's (page_api.cpp): what the page's tests read
// from the module and a setting no control reaches. The site's module has none of them.

#include "core/chain_state.h"
#include "web/json_text.h"
#include "web/page.h"

#include <cstdint>
#include <emscripten/emscripten.h>
#include <string>
#include <vector>

namespace {

// The last text handed out; the tests read it before their next call.
std::string reply;

} // namespace

extern "C" {

// For the page's tests only: where the chain's rows and the picture's pixels lie in the
// module's memory, and a time step the speed bar cannot set (it stops at 0.5), for a run that
// blows up.
EMSCRIPTEN_KEEPALIVE const char* ondix_test_memory() {
    const ChainState& state = page->instrument.state();
    const ChainPicture& picture = page->instrument.picture();
    JsonText json;
    json.beginObject()
        .key("y")
        .value(static_cast<int>(reinterpret_cast<std::uintptr_t>(&state.y[0])))
        .key("v")
        .value(static_cast<int>(reinterpret_cast<std::uintptr_t>(&state.v[0])))
        .key("masses")
        .value(ChainState::kLastMass + 1)
        .key("pixels")
        .value(static_cast<int>(reinterpret_cast<std::uintptr_t>(picture.pixels())))
        .key("width")
        .value(picture.width())
        .key("height")
        .value(picture.height())
        .endObject();
    reply = json.text();
    return reply.c_str();
}

// For the page's tests only: the time diagram's chosen masses (-1 for a free slot) and its
// samples, oldest first, copied to one place in memory as they lie in the diagram.
EMSCRIPTEN_KEEPALIVE const char* ondix_test_diagram() {
    static std::vector<TimeDiagram::Sample> samples;
    const TimeDiagram& diagram = page->instrument.diagram();
    samples.clear();
    for (std::size_t i = 0; i < diagram.sampleCount(); ++i) {
        samples.push_back(diagram.sample(i));
    }
    JsonText json;
    json.beginObject().key("chosen").beginArray();
    for (int slot = 0; slot < TimeDiagram::kMaxChosen; ++slot) {
        json.value(diagram.chosen(slot).value_or(-1));
    }
    json.endArray()
        .key("samples")
        .value(static_cast<int>(reinterpret_cast<std::uintptr_t>(samples.data())))
        .key("bytes")
        .value(static_cast<int>(samples.size() * sizeof(TimeDiagram::Sample)))
        .endObject();
    reply = json.text();
    return reply.c_str();
}

// Every control's state as the module holds it, for the tests to hold the page's controls to.
EMSCRIPTEN_KEEPALIVE const char* ondix_test_panels() {
    reply = page->feed.allControls();
    return reply.c_str();
}

EMSCRIPTEN_KEEPALIVE void ondix_set_step(float dt) {
    Instrument::TestProbe::state(page->instrument).dt = dt;
}

} // extern "C"
