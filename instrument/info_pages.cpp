#include "instrument/info_pages.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "core/version.h"
#include "instrument/info_texts.h"
#include "language/language.h"

namespace {

constexpr int kTorsionCaptionBlanks = 17;

// Two columns over a block across both. On the torsion chain's page the left column holds,
// from the top, Label1, Label3, Label2 and Label4, the right column Label5 to Label9; Label10,
// on measuring, lies beneath both.
constexpr InfoBlock kTorsionBlocks[] = {
    {360, 240, 5415, 1935, {255, 192, 192}},   // Label1
    {360, 5280, 5415, 1215, {255, 255, 192}},  // Label2
    {360, 2280, 5415, 2895, {255, 224, 192}},  // Label3
    {360, 6600, 5415, 1335, {192, 255, 192}},  // Label4
    {6000, 240, 5415, 1335, {192, 255, 255}},  // Label5
    {6000, 1680, 5415, 1455, {192, 192, 255}}, // Label6
    {6000, 3240, 5415, 1095, {255, 192, 255}}, // Label7
    {6000, 4440, 5415, 2175, {192, 255, 192}}, // Label8
    {6000, 6720, 5415, 1695, {255, 255, 192}}, // Label9
    {360, 8520, 11055, 1695, {224, 224, 255}}, // Label10
};

// On the pendulum chain's page the left column holds Label1, Label2 and Label4, the right
// column Label3 and Label5; Label6, on measuring, lies beneath both.
constexpr InfoBlock kPendulumBlocks[] = {
    {240, 120, 5535, 2655, {192, 255, 255}},   // Label1
    {240, 2880, 5535, 2175, {255, 192, 192}},  // Label2
    {6000, 120, 5535, 3735, {255, 255, 192}},  // Label3
    {240, 5160, 5535, 2415, {255, 224, 192}},  // Label4
    {6000, 3960, 5535, 2175, {192, 255, 192}}, // Label5
    {240, 7680, 11295, 1695, {224, 224, 255}}, // Label6
};

// The paragraphs in the language in use.
std::vector<std::string_view> inLanguage(std::vector<std::string_view> texts) {
    for (std::string_view& text : texts) {
        text = Language::translate(text);
    }
    return texts;
}

} // namespace

namespace InfoPages {

InfoPage torsionChain() {
    return {.name = "OndixInfTor",
            .title = std::string(Language::translate("Informationen zur Torsionszarvel")) +
                     std::string(kTorsionCaptionBlanks, ' ') + ONDIX_CREDIT_LINE,
            .opensAtScreenCorner = true,
            .width = 11595,
            .height = 10335,
            .blocks = kTorsionBlocks,
            .texts = inLanguage(InfoTexts::torsionChain())};
}

InfoPage pendulumChain() {
    return {.name = "OndixInfPen",
            .title = std::string(Language::translate("Informationen zur Zarvel Typ Pendelkette")),
            .opensAtScreenCorner = false,
            .width = 11670,
            .height = 9495,
            .blocks = kPendulumBlocks,
            .texts = inLanguage(InfoTexts::pendulumChain())};
}

std::optional<InfoPage> forChain(const ChainState& state) {
    // Exact comparisons: selfCoeff holds one of the two values the chain-type options store.
    if (state.selfCoeff == Chain::kTorsionSelfCoeff) {
        return torsionChain();
    }
    if (state.selfCoeff == Chain::kPendulumSelfCoeff) {
        return pendulumChain();
    }
    return std::nullopt;
}

} // namespace InfoPages
