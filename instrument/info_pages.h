#pragma once

#include "core/chain_constants.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The two information windows as data, for any front end to lay out: each a fixed page of text
// blocks on white, with nothing to operate. A block has a single-line border and a background
// colour of its own and holds one paragraph (InfoTexts), wrapped at the block's width. Title and
// paragraphs are in the language in use when the page is built. Places
// and sizes are in fixed units (1/1440 inch) from the page's top-left corner.
struct ChainState;

struct InfoBlock {
    int left;
    int top;
    int width;
    int height;
    Chain::Rgb background;
};

struct InfoPage {
    std::string_view name; // "OndixInfTor", "OndixInfPen"
    std::string title;
    // A new window of this page opens at the screen's top-left corner; otherwise the window
    // system places it.
    bool opensAtScreenCorner;
    int width;
    int height;
    std::span<const InfoBlock> blocks; // Label1 first
    std::vector<std::string_view> texts;
};

namespace InfoPages {

inline constexpr Chain::Rgb kPageWhite{255, 255, 255};
// The size of the text, in points.
inline constexpr double kTextPoints = 9.75;

// The window on the torsion chain: ten blocks.
InfoPage torsionChain();
// The window on the pendulum chain: six blocks.
InfoPage pendulumChain();
// The page on the chain type in use, as the information button opens it.
std::optional<InfoPage> forChain(const ChainState& state);

} // namespace InfoPages
