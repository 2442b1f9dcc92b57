#pragma once

#include "instrument/panel_flow.h"

#include <string>

// The form as the page builds its controls from it, as one JSON text: the window at its design
// size; every control in the form's order (each container before what it holds) with its kind,
// container, box at the design size, font in points, look, accessible name, place in the Tab
// order and read-only flag; the role by which the page's scripts know the window, the view
// and the time diagram's button; the boxes where a finger is the pointer; a frame's size as the
// page draws it, snug around what it holds; the panels' flow in columns and rows; the chain view's
// description; the pace of the run; a finger's target size; the page's own messages.
namespace PageForm {

// The least size of what a finger aims at, in CSS pixels: where a finger is the pointer, the
// panels' controls at the design size, a scroll bar's thumb, the dialogs' buttons.
inline constexpr int kFingerTarget = 44;

std::string json();

// The panels flowed into a room `room` pixels of the design wide (see PanelFlow), their frames
// snug around what they hold, with the finger's boxes where `finger`: the flow's width and
// height and each child's place, as JSON {"width", "height", "places": [[name, x, y, w, h]]}.
std::string flowJson(double room, bool finger);
PanelFlow flow(double room, bool finger);
// The gap between two panels, in pixels of the design.
double gap();

} // namespace PageForm
