// The page's door into the module: plain C functions that the page's scripts call through
// ccall, with strings and numbers only; structured data goes out as JSON texts, the picture as
// the bytes of an ImageData. One instrument per page, paced by the page's frames.

#include "core/runtime_error.h"
#include "instrument/info_pages.h"
#include "instrument/instrument.h"
#include "instrument/saved_files.h"
#include "instrument/saved_image.h"
#include "instrument/setup.h"
#include "instrument/start_sequence.h"
#include "language/language.h"
#include "picture/user_scale.h"
#include "web/canvas_pixels.h"
#include "web/json_text.h"
#include "web/page.h"
#include "web/page_form.h"
#include "web/page_lesson.h"
#include "web/page_texts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <emscripten/emscripten.h>
#include <optional>
#include <string>
#include <vector>

Page* page = nullptr;

namespace {

// The setup from the page's address, applied at the start, and what of it is ignored.
Setup startSetup;
std::vector<std::string> startNotes;
// The last text handed out; the page reads it before its next call.
std::string reply;

Control controlNamed(std::string_view name) {
    for (int i = 0; i < kControlCount; ++i) {
        if (controlName(static_cast<Control>(i)) == name) {
            return static_cast<Control>(i);
        }
    }
    return Role::kWindow; // takes no clicks and no values
}

// Fixed units (1/1440 inch) in CSS pixels (1/96 inch).
int cssPixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

// The information page on the chain type in use: title, size and blocks in CSS pixels, each
// block with its colour and text.
std::string infoPageJson(const InfoPage& info) {
    JsonText json;
    json.beginObject()
        .key("title")
        .value(info.title)
        .key("width")
        .value(cssPixels(info.width))
        .key("height")
        .value(cssPixels(info.height))
        .key("points")
        .value(InfoPages::kTextPoints)
        .key("blocks")
        .beginArray();
    for (std::size_t i = 0; i < info.blocks.size(); ++i) {
        const InfoBlock& b = info.blocks[i];
        json.beginObject()
            .key("box")
            .beginArray()
            .value(cssPixels(b.left))
            .value(cssPixels(b.top))
            .value(cssPixels(b.width))
            .value(cssPixels(b.height))
            .endArray()
            .key("back")
            .value(CanvasPixels::colourText(b.background))
            .key("text")
            .value(i < info.texts.size() ? info.texts[i] : std::string_view())
            .endObject();
    }
    json.endArray().endObject();
    return json.text();
}

// A label's text, place, alignment and colour as the members of an object left open.
JsonText& labelJson(JsonText& json, const TimeDiagram::Label& label) {
    static constexpr std::array<std::string_view, 3> kAlign{"left", "center", "right"};
    return json.beginObject()
        .key("text")
        .value(label.text)
        .key("x")
        .value(label.x)
        .key("y")
        .value(label.y)
        .key("align")
        .value(kAlign[static_cast<std::size_t>(label.align)])
        .key("colour")
        .value(CanvasPixels::colourText(label.colour));
}

// Bytes of the module's memory as JSON: where they lie and how many.
const std::string& bytesJson(const std::uint8_t* bytes, std::size_t length) {
    JsonText json;
    json.beginObject()
        .key("bytes")
        .value(static_cast<int>(reinterpret_cast<std::uintptr_t>(bytes)))
        .key("length")
        .value(static_cast<int>(length))
        .endObject();
    reply = json.text();
    return reply;
}

// The time diagram at `width` x `height` pixels: its bytes (red, green, blue, alpha), where
// they lie, its labels and its span, as JSON.
std::string diagramJson(Page& p, int width, int height, double scale) {
    TimeDiagram& diagram = p.instrument.diagram();
    diagram.draw(width, height, scale);
    p.diagramShown = diagram.revision();
    p.diagramScale = scale;
    const PlotRaster& raster = diagram.raster();
    const std::size_t count = std::size_t(raster.width()) * std::size_t(raster.height());
    p.diagramBytes.resize(count * 4);
    CanvasPixels::toRgba(raster.pixels(), count, p.diagramBytes.data());
    JsonText json;
    json.beginObject()
        .key("bytes")
        .value(static_cast<int>(reinterpret_cast<std::uintptr_t>(p.diagramBytes.data())))
        .key("width")
        .value(raster.width())
        .key("height")
        .value(raster.height())
        .key("labelPixels")
        .value(diagram.labelPixels())
        .key("span")
        .value(diagram.span())
        .key("spanCaption")
        .value(diagram.spanCaption())
        .key("labels")
        .beginArray();
    for (const TimeDiagram::Label& label : diagram.labels()) {
        labelJson(json, label).endObject();
    }
    json.endArray().endObject();
    return json.text();
}

} // namespace

// The page shows the message and stops its run; the module is not entered again.
EM_JS(void, ondix_show_run_time_error, (const char* text),
      { Module.onRunTimeError(UTF8ToString(text)); });
// "Ende" must not return: the page shows its message, and the throw unwinds to the page's call,
// which knows it as the end of the run and not as a failure.
EM_JS(void, ondix_show_end, (const char* text, const char* button), {
    Module.onEnd(UTF8ToString(text), UTF8ToString(button));
    throw Module.endOfRun;
});
EM_JS(void, ondix_put_rect, (const std::uint8_t* bytes, int x, int y, int width, int height),
      { Module.onPictureRect(bytes, x, y, width, height); });

extern "C" {

// The language, before the form: `asked` where the program has it (the page's address asks
// with ?lang=), otherwise the first of the browser's `preferred` ones (comma-separated, most
// preferred first) that it has, German where none is. Returns the code of the one in use.
EMSCRIPTEN_KEEPALIVE const char* ondix_choose_language(const char* asked, const char* preferred) {
    std::vector<std::string> tags;
    std::string tag;
    for (const char* c = preferred; *c != '\0'; ++c) {
        if (*c == ',') {
            tags.push_back(std::move(tag));
            tag.clear();
        } else {
            tag += *c;
        }
    }
    tags.push_back(std::move(tag));
    // The address's own language is the setup's, which the page has parsed before.
    StartSequence::chooseLanguage(
        *asked != '\0' ? std::optional<std::string_view>(asked) : std::nullopt, startSetup, tags);
    reply = Language::current();
    return reply.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* ondix_form() {
    reply = PageForm::json();
    return reply.c_str();
}

// The setup the page's address carries (location.search, see Setup); the language it names, for
// the page to choose before the instrument is made, or "".
EMSCRIPTEN_KEEPALIVE const char* ondix_setup(const char* query) {
    startSetup = Setup::parse(query);
    reply = startSetup.language().value_or("");
    return reply.c_str();
}

// The instrument, made once the language is chosen; its start follows once the page is laid out.
EMSCRIPTEN_KEEPALIVE void ondix_create() {
    setRunTimeErrorReporter([](const RunTimeError& error) {
        writeRunTimeError(error);
        ondix_show_run_time_error(runTimeErrorReport(error).c_str());
        // Returning aborts the module: the browser unwinds to the page's call as an exception.
    });
    page = new Page;
    page->instrument.onEnd([] {
        ondix_show_end(std::string(Language::translate(PageTexts::kEnd)).c_str(),
                       std::string(Language::translate(PageTexts::kStartAgain)).c_str());
    });
    startNotes = StartSequence::prepare(startSetup, page->instrument);
}

// The instrument started with the address's setup, on a picture of `width` x `height` pixels,
// `scale` of them to a CSS pixel.
EMSCRIPTEN_KEEPALIVE void ondix_start(int width, int height, double scale) {
    page->instrument.resize(width, height, scale);
    StartSequence::start(page->instrument, startSetup);
}

// What of the address's setup is ignored: the heading and one line each, as JSON; no lines where
// all of it applies.
EMSCRIPTEN_KEEPALIVE const char* ondix_setup_notes() {
    JsonText json;
    json.beginObject().key("heading").value(Setup::notesHeading()).key("lines").beginArray();
    for (std::size_t i = 1; i < startNotes.size(); ++i) {
        json.value(startNotes[i]);
    }
    json.endArray().endObject();
    reply = json.text();
    return reply.c_str();
}

// The settings now as the query of a link ("traeger=pendel&periode=22&..."), with the language
// where the address named one.
EMSCRIPTEN_KEEPALIVE const char* ondix_setup_link() {
    reply = Setup::of(page->instrument)
                .text(startSetup.language() ? Language::current() : std::string_view());
    return reply.c_str();
}

EMSCRIPTEN_KEEPALIVE void ondix_resize(int width, int height, double scale) {
    page->instrument.resize(width, height, scale);
}

// The passes due at the page's frame at `timeMs` (performance.now()), run; the number run.
EMSCRIPTEN_KEEPALIVE int ondix_run_due(double timeMs) {
    return page->instrument.runDue(timeMs);
}

EMSCRIPTEN_KEEPALIVE int ondix_run_passes(int count) {
    return page->instrument.runPasses(count);
}

EMSCRIPTEN_KEEPALIVE int ondix_running() {
    return page->instrument.running() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int ondix_at_rest() {
    return page->instrument.atRest() ? 1 : 0;
}

// A click on the control with this id; what the page is to do besides, as JSON: "reply" names
// it ("none", "information" with its "page", "experiments", "saveImage", "saveSamples").
EMSCRIPTEN_KEEPALIVE const char* ondix_click(const char* name) {
    const Control control = controlNamed(name);
    reply.clear();
    if (controlKind(control) == ControlKind::Option) {
        // The browser checked the option it clicked: every option is shown as the panels say.
        for (int i = 0; i < kControlCount; ++i) {
            if (controlKind(static_cast<Control>(i)) == ControlKind::Option) {
                page->feed.markChanged(static_cast<Control>(i));
            }
        }
    }
    std::string_view asked = "none";
    std::string info;
    switch (page->instrument.click(control)) {
    case Instrument::Reply::ShowInformation:
        if (const std::optional<InfoPage> shown = page->instrument.infoPage()) {
            asked = "information";
            info = infoPageJson(*shown);
        }
        break;
    case Instrument::Reply::ShowExperiments:
        asked = "experiments";
        break;
    case Instrument::Reply::SaveImage:
        asked = "saveImage";
        break;
    case Instrument::Reply::SaveSamples:
        asked = "saveSamples";
        break;
    case Instrument::Reply::None:
        break;
    }
    reply = "{\"reply\":\"" + std::string(asked) + "\"" +
            (info.empty() ? "" : ",\"page\":" + info) + "}";
    return reply.c_str();
}

// The list of prepared experiments: its heading (the caption of the button that opens it), the
// close button's name and the titles in their order, as JSON.
EMSCRIPTEN_KEEPALIVE const char* ondix_experiments() {
    JsonText json;
    json.beginObject()
        .key("heading")
        .value(page->instrument.panels().caption(Role::kExperimentsButton))
        .key("close")
        .value(Language::translate(PageTexts::kClose))
        .key("titles")
        .beginArray();
    for (const std::string& title : Instrument::experimentTitles()) {
        json.value(title);
    }
    json.endArray().endObject();
    reply = json.text();
    return reply.c_str();
}

// The screen's input as the page sees it: 1 for a finger (a coarse pointer), 0 for a mouse.
EMSCRIPTEN_KEEPALIVE void ondix_use_touch(int touch) {
    page->instrument.useDevice(touch != 0 ? InputCodes::Device::Touch : InputCodes::Device::Mouse);
}

// Experiment `number` (from 1) started as its link would start it; 0 where there is none.
EMSCRIPTEN_KEEPALIVE int ondix_choose_experiment(int number) {
    return page->instrument.chooseExperiment(number) ? 1 : 0;
}

// The instruction shown as JSON (title, paragraphs), or "" where none is.
EMSCRIPTEN_KEEPALIVE const char* ondix_instruction() {
    reply.clear();
    if (const std::optional<Experiments::Instruction> shown = page->instrument.instruction()) {
        JsonText json;
        json.beginObject().key("title").value(shown->title).key("paragraphs").beginArray();
        for (std::size_t at = 0; at <= shown->text.size();) {
            const std::size_t end = std::min(shown->text.find("\n\n", at), shown->text.size());
            json.value(std::string_view(shown->text).substr(at, end - at));
            at = end + 2;
        }
        json.endArray().endObject();
        reply = json.text();
    }
    return reply.c_str();
}

EMSCRIPTEN_KEEPALIVE void ondix_close_instruction() {
    page->instrument.closeInstruction();
}

// The time diagram's samples as a table (see TimeDiagram::csv): where its bytes lie and how
// many, as JSON. Handed over as bytes, not as a string, which the browser's decoding would
// strip of its byte order mark.
EMSCRIPTEN_KEEPALIVE const char* ondix_samples_csv() {
    const std::string csv = page->instrument.diagram().csv();
    page->savedBytes.assign(csv.begin(), csv.end());
    return bytesJson(page->savedBytes.data(), page->savedBytes.size()).c_str();
}

// The picture "Bild" saves (see SavedImage), as JSON: where its pixels lie as a canvas takes
// them, its size, and the texts to write over them, each with its place, alignment, colour and
// font size in pixels.
EMSCRIPTEN_KEEPALIVE const char* ondix_saved_image() {
    const SavedImage saved(page->instrument);
    const PlotRaster& raster = saved.raster();
    const std::size_t count = std::size_t(raster.width()) * std::size_t(raster.height());
    page->savedBytes.resize(count * 4);
    CanvasPixels::toRgba(raster.pixels(), count, page->savedBytes.data());
    JsonText json;
    json.beginObject()
        .key("bytes")
        .value(static_cast<int>(reinterpret_cast<std::uintptr_t>(page->savedBytes.data())))
        .key("width")
        .value(raster.width())
        .key("height")
        .value(raster.height())
        .key("texts")
        .beginArray();
    for (const SavedImage::Text& text : saved.texts()) {
        labelJson(json, text.label).key("pixels").value(text.pixels).endObject();
    }
    json.endArray().endObject();
    reply = json.text();
    return reply.c_str();
}

// The names offered for the saved view (`samples` 0) and the diagram's samples (1), and the
// message where one of them could not be written, as JSON.
EMSCRIPTEN_KEEPALIVE const char* ondix_saved_file(int samples, const char* reason) {
    const std::string name =
        SavedFiles::nameOf(samples != 0 ? SavedFiles::Kind::Samples : SavedFiles::Kind::Image);
    JsonText json;
    json.beginObject()
        .key("name")
        .value(name)
        .key("notWritten")
        .value(SavedFiles::notWritten(name, reason))
        .endObject();
    reply = json.text();
    return reply.c_str();
}

// A new value of the scroll bar with this id, committed by the student.
EMSCRIPTEN_KEEPALIVE void ondix_scroll(const char* name, int value) {
    const Control bar = controlNamed(name);
    page->instrument.scroll(bar, value);
    // The value entered is told to nobody: the bar is shown again as the panels have it.
    page->feed.markChanged(bar);
}

// A PointerEvent on the chain view, its point in pixels of the picture; a finger must move
// `dragDistance` of them before it counts as moved.
EMSCRIPTEN_KEEPALIVE void ondix_pointer(const char* type, const char* pointerType, int id,
                                        int button, int buttons, int shift, int ctrl, int alt,
                                        double x, double y, double timeStamp, int dragDistance) {
    const ChainPicture& picture = page->instrument.picture();
    page->input.pointer(
        {type, pointerType, id, button, buttons, shift != 0, ctrl != 0, alt != 0, x, y, timeStamp},
        picture.width(), picture.height(), dragDistance);
}

// A double click of the mouse on the chain view, at a point in pixels of the picture.
EMSCRIPTEN_KEEPALIVE void ondix_double_click(double x, double y) {
    const ChainPicture& picture = page->instrument.picture();
    page->instrument.doubleClick(UserScale::toUserX(x, picture.width()),
                                 UserScale::toUserY(y, picture.height()));
}

// The time diagram's texts that do not change: its title, the span's name and range.
EMSCRIPTEN_KEEPALIVE const char* ondix_diagram_form() {
    JsonText json;
    json.beginObject()
        .key("title")
        .value(TimeDiagram::title())
        .key("spanName")
        .value(Language::translate("Zeitspanne"))
        .key("close")
        .value(Language::translate(PageTexts::kClose))
        .key("speakHint")
        .value(Language::translate(TimeDiagram::kSpeakHint))
        .key("minimum")
        .value(TimeDiagram::kMinSpan)
        .key("maximum")
        .value(TimeDiagram::kMaxSpan)
        .key("step")
        .value(TimeDiagram::kSpanStep)
        .key("span")
        .value(TimeDiagram::kStartSpan)
        .endObject();
    reply = json.text();
    return reply.c_str();
}

// The time diagram at `width` x `height` pixels and `scale` (see TimeDiagram::draw) as JSON (see
// diagramJson), or "" where it shows the same as at the last call of that size and scale.
EMSCRIPTEN_KEEPALIVE const char* ondix_diagram(int width, int height, double scale) {
    const TimeDiagram& diagram = page->instrument.diagram();
    reply.clear();
    if (diagram.revision() != page->diagramShown || diagram.raster().width() != width ||
        diagram.raster().height() != height || scale != page->diagramScale) {
        reply = diagramJson(*page, width, height, scale);
    }
    return reply.c_str();
}

// The time diagram's words as it last said them, for its text alternative (see
// TimeDiagram::spoken), and how often it has said them: the page speaks them when that changes.
EMSCRIPTEN_KEEPALIVE const char* ondix_diagram_summary() {
    reply = page->instrument.diagram().spoken();
    return reply.c_str();
}

EMSCRIPTEN_KEEPALIVE double ondix_diagram_spoken() {
    return double(page->instrument.diagram().spokenCount());
}

// A keydown in the time diagram's strip by KeyboardEvent.key; 1 if the diagram took it.
EMSCRIPTEN_KEEPALIVE int ondix_diagram_key(const char* key) {
    return page->instrument.diagram().keyPress(key) ? 1 : 0;
}

// The panels flowed into a room `room` pixels of the design wide (see PageForm::flowJson).
EMSCRIPTEN_KEEPALIVE const char* ondix_panel_flow(double room, int finger) {
    reply = PageForm::flowJson(room, finger != 0);
    return reply.c_str();
}

// The lesson's layout in the browser window (see PageLesson::json): the window's CSS size less
// the link's bar beneath it, the view's top, the panel scale, whether a finger is the pointer
// and what the panels' room takes beneath them (the link's bar); the diagram's least and most
// heights; the instruction's least and its whole heights at two widths; the tools' column; whether
// the page may scroll. Each tool with its `open`.
EMSCRIPTEN_KEEPALIVE const char*
ondix_lesson_layout(double width, double height, double top, double scale, int finger, double under,
                    int diagramOpen, double diagramLeast, double diagramMost, int instructionOpen,
                    double instructionLeast, double narrowWidth, double narrowHeight,
                    double wideWidth, double wideHeight, double column, int mayScroll) {
    PageLesson::Window w;
    w.width = width;
    w.height = height;
    w.top = top;
    w.scale = scale;
    w.finger = finger != 0;
    w.under = under;
    w.diagram = {diagramOpen != 0, diagramLeast, diagramMost};
    w.instructionWhole = {narrowWidth, narrowHeight, wideWidth, wideHeight};
    w.instruction = {instructionOpen != 0, instructionLeast, std::max(narrowHeight, wideHeight)};
    w.column = column;
    w.mayScroll = mayScroll != 0;
    reply = PageLesson::json(w);
    return reply.c_str();
}

EMSCRIPTEN_KEEPALIVE void ondix_diagram_span(int units) {
    page->instrument.diagramSpan(units);
}

EMSCRIPTEN_KEEPALIVE int ondix_key_reaches_view(const char* key) {
    return BrowserInput::reachesView(key) ? 1 : 0;
}

// A keydown on the chain view by KeyboardEvent.key; 1 if the view took it.
EMSCRIPTEN_KEEPALIVE int ondix_key_down(const char* key, int shift, int ctrl, int alt) {
    return page->input.keyDown(key, shift != 0, ctrl != 0, alt != 0) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void ondix_key_up(const char* key, int shift, int ctrl, int alt) {
    page->input.keyUp(key, shift != 0, ctrl != 0, alt != 0);
}

EMSCRIPTEN_KEEPALIVE void ondix_focus_lost() {
    page->input.focusLost();
}

// The controls changed since the last call, as a JSON array of plain objects.
EMSCRIPTEN_KEEPALIVE const char* ondix_changed_controls() {
    reply = page->feed.takeChanges();
    return reply.c_str();
}

// The pixels changed since the last call (with `all`, every pixel) into the picture's bytes,
// each rectangle handed to the page's onPictureRect with where the bytes lie.
EMSCRIPTEN_KEEPALIVE void ondix_update_image(int all) {
    page->image.update(all != 0, [](const PixelRect& r) {
        ondix_put_rect(page->image.bytes(), r.x, r.y, r.width, r.height);
    });
}

} // extern "C"
