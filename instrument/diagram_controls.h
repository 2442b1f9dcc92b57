#pragma once

class ChainPass;
class Panels;
class TimeDiagram;
class ViewDrawing;

// The time diagram's controls: its button, which opens and closes the diagram (checked while it
// is open; a front end shows its window or panel while it is checked), the choice of masses by a
// double click, a double tap or the keyboard pointer, each chosen mass drawn in its own colour,
// and a new recording at "Löschen".
class DiagramControls {
public:
    DiagramControls(TimeDiagram& diagram, ChainPass& pass, ViewDrawing& view, Panels& panels);

    void toggleShown();
    // Chooses or un-chooses the mass nearest to x (see TimeDiagram::chooseNearest) and draws
    // the masses whose colour changed.
    void chooseNearest(float x);
    void cleared();

private:
    TimeDiagram& diagram_;
    ChainPass& pass_;
    ViewDrawing& view_;
    Panels& panels_;
};
