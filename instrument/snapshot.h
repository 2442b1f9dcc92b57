#pragma once

class ChainPass;
class Markers;
class Panels;

// "Momentbild": a snapshot of the chain, drawn behind the moving dots in a quiet colour (see
// Markers), with the clock's reading at that moment in the chain view, until the button is
// pressed again. "Löschen" and the other clearings leave it. It reads the chain state and
// never writes it.
class Snapshot {
public:
    // Writes the button's caption; the reading's label stays hidden until a snapshot is taken.
    Snapshot(ChainPass& pass, Markers& markers, Panels& panels);

    // Takes a snapshot, or clears the one shown.
    void takeOrClear();

private:
    ChainPass& pass_;
    Markers& markers_;
    Panels& panels_;
};
