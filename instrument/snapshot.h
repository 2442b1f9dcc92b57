#pragma once

struct ChainState;
class ChainPass;
class Panels;
class ViewDrawing;

// "Momentbild": a snapshot of the chain, drawn behind the moving dots in a quiet colour (see
// ViewDrawing), with a label in the chain view, until the button is pressed again. The label names
// the clock's reading at that moment while the clock runs; a stopped clock's reading says
// nothing of when the snapshot was taken, so then the label says only what it is. "Löschen" and the
// other clearings leave it. It reads the chain state and never writes it.
class Snapshot {
public:
    // Writes the button's caption; the reading's label stays hidden until a snapshot is taken.
    Snapshot(const ChainState& state, ChainPass& pass, ViewDrawing& view, Panels& panels);

    // Takes a snapshot, or clears the one shown.
    void takeOrClear();

private:
    const ChainState& state_;
    ChainPass& pass_;
    ViewDrawing& view_;
    Panels& panels_;
};
