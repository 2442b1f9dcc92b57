#include "instrument/info_pages.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "core/version.h"
#include "instrument/info_texts.h"
#include "language/language.h"

namespace {

constexpr int kTorsionCaptionBlanks = 17;

// Two columns. On the torsion chain's page the left column holds, from the top, Label1, Label3,
// Label2 and Label4, the right column Label5 to Label9.
constexpr InfoBlock kTorsionBlocks[] = {
    {360, 240, 5415, 1695, {255, 192, 192}},   // Label1
    {360, 5040, 5415, 1215, {255, 255, 192}},  // Label2
    {360, 2040, 5415, 2895, {255, 224, 192}},  // Label3
    {360, 6360, 5415, 1575, {192, 255, 192}},  // Label4
    {6000, 240, 5415, 1695, {192, 255, 255}},  // Label5
    {6000, 2040, 5415, 1695, {192, 192, 255}}, // Label6
    {6000, 3840, 5415, 1095, {255, 192, 255}}, // Label7
    {6000, 5040, 5415, 975, {192, 255, 192}},  // Label8
    {6000, 6120, 5415, 1815, {255, 255, 192}}, // Label9
};

// On the pendulum chain's page the left column holds Label1, Label2 and Label4, the right
// column Label3 and Label5.
constexpr InfoBlock kPendulumBlocks[] = {
    {240, 120, 5535, 2415, {192, 255, 255}},   // Label1
    {240, 2640, 5535, 2415, {255, 192, 192}},  // Label2
    {6000, 120, 5535, 3375, {255, 255, 192}},  // Label3
    {240, 5160, 5535, 1935, {255, 224, 192}},  // Label4
    {6000, 3600, 5535, 2535, {192, 255, 192}}, // Label5
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
            .height = 8040,
            .blocks = kTorsionBlocks,
            .texts = inLanguage(InfoTexts::torsionChain())};
}

InfoPage pendulumChain() {
    return {.name = "OndixInfPen",
            .title = std::string(Language::translate("Informationen zur Zarvel Typ Pendelkette")),
            .opensAtScreenCorner = false,
            .width = 11670,
            .height = 7260,
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
