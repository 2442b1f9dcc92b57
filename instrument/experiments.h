#pragma once

#include "language/language.h"

#include <array>
#include <optional>
#include <string_view>

class Instrument;

// The prepared experiments a teacher hands out: each is a setup of the wave machine (the text a
// link carries, see Setup) with a title and an instruction in three parts: what to do, what to
// look for and one question to answer. The texts are German, marked for the catalogues, and shown
// in the language in use; the faces list the titles and show the instruction of the one chosen
// in a panel of kPanelWidth by at most kPanelLines lines of the form's normal font.
//
// An experiment is reached from a link as "versuch=3" or "experiment=3", or chosen from the list;
// either way its setup is applied as a link's is. Its numbers count from 1 in the order below.
//
// To add an experiment, copy an entry of kExperiments, change its setup text (try it as a link
// first: "?traeger=pendel&periode=15" shows a note for every part it cannot take), its title and
// its three texts, and add the English of each text to language/en.po. Every setup names every
// setting its experiment relies on, so that choosing it in the middle of another one gives the
// same start.
namespace Experiments {

struct Experiment {
    std::string_view setup;    // a link's text without the '?'
    std::string_view title;    // German, translated when shown
    std::string_view task;     // what to do
    std::string_view watch;    // what to look for
    std::string_view question; // the question to answer
};

// The instruction panel: its width in fixed units (1/1440 inch) and the lines it holds in the
// form's normal font (see Form::kNormalPoints), the three parts each starting on a line of its
// own.
inline constexpr int kPanelWidth = 4200;
inline constexpr int kPanelLines = 14;

inline constexpr std::array kExperiments{
    Experiment{
        "traeger=torsion&periode=10&amplitude=1&anregung=aus&daempfung=aus&hindernis=aus&"
        "brechung=aus&puls=an",
        N_("Reflexion am festen und am losen Ende"),
        N_("Ein einzelner Wellenberg läuft nach rechts. Verfolgen Sie ihn bis zum rechten "
           "Ende und wieder zurück bis zum linken Ende."),
        N_("Das rechte Ende ist lose, das linke fest. Wie kommt der Berg von jedem Ende "
           "zurück?"),
        N_("An welchem Ende wird aus dem Berg ein Tal?"),
    },
    Experiment{
        "traeger=torsion&periode=20&amplitude=1&anregung=an&daempfung=an&hindernis=aus&"
        "brechung=aus",
        N_("Fortschreitende Welle und Wellenlänge"),
        N_("Die Anregung erzeugt eine Welle, die nach rechts läuft. Halten Sie an und messen "
           "Sie mit dem Maßband von einem Berg zum nächsten."),
        N_("Alle Massen schwingen gleich, aber jede etwas später als ihre linke Nachbarin."),
        N_("Wie lang ist eine Welle bei der Periode 20?"),
    },
};

// The experiment with `number` (counted from 1), or none.
std::optional<Experiment> numbered(int number);
// Applies the experiment's setup to a started instrument, as a link's setup is applied.
void apply(Instrument& instrument, const Experiment& experiment);

} // namespace Experiments
