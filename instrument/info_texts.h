#pragma once

#include <string_view>
#include <vector>

// The paragraphs of the two information windows, kept together in one file so that they can be
// read and corrected in one place. Each paragraph fills one text block of its window, in the
// order of the blocks' numbers (Label1 first), and is wrapped at the block's width; a paragraph
// must fit its block at 9.75 pt, so a longer wording needs a shorter one elsewhere. The
// paragraphs are German, marked for the catalogues; the pages (InfoPages) show them translated,
// and a translation must fit the same block.
namespace InfoTexts {

// How time passes and how a student measures with the clock, "Schritt", "Momentbild", the time
// diagram and the tape: the last paragraph of both windows.
std::string_view measuring();

// The window on the torsion chain: ten paragraphs.
std::vector<std::string_view> torsionChain();

// The window on the pendulum chain: six paragraphs.
std::vector<std::string_view> pendulumChain();

} // namespace InfoTexts
