#pragma once

#include "instrument/input_codes.h"
#include "language/language.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The prepared experiments a teacher hands out: each is a setup of the wave machine (the text a
// link carries, see Setup) with a title and an instruction in four parts, in the order of a
// worksheet: a prediction to make first, what to do, what to look for and one question to answer.
// An experiment whose answer shows within seconds starts halted, so that the prediction comes
// before "Weiter". Where a text names the tape, "%1" stands for the way the device in use lays it.
// The texts are German, marked for the catalogues, and shown in the language in use; the faces list
// the titles and show the instruction of the one chosen in a panel of kPanelWidth by at most
// kPanelLines lines of the form's normal font.
//
// An experiment is reached from a link as "versuch=3" or "experiment=3", or chosen from the list;
// either way its setup is applied as a link's is; settings the link names besides count over the
// experiment's. Its numbers count from 1 in the order below.
//
// To add an experiment, copy an entry of kExperiments, change its setup text (try it as a link
// first: "?traeger=pendel&periode=15" shows a note for every part it cannot take), its title and
// its four texts, and add the English of each text to language/en.po; then give it a row in the
// experiments' test with the figure its instruction promises, measured on the model. Every setup
// names every setting its experiment relies on, so that choosing it in the middle of another one
// gives the same start.
namespace Experiments {

struct Experiment {
    std::string_view setup;    // a link's text without the '?'
    std::string_view title;    // German, translated when shown
    std::string_view predict;  // the prediction a student makes before looking
    std::string_view task;     // what to do
    std::string_view watch;    // what to look for
    std::string_view question; // the question to answer
};

// The instruction panel: its width in fixed units (1/1440 inch) and the lines it holds in the
// form's normal font (see Form::kNormalPoints), the four parts each starting on a line of its
// own.
inline constexpr int kPanelWidth = 4200;
inline constexpr int kPanelLines = 13;

inline constexpr std::array kExperiments{
    Experiment{
        "traeger=torsion&periode=20&amplitude=1&anregung=aus&daempfung=aus&hindernis=aus&brechung="
        "aus&tempo=10&halt=ja&puls=an",
        N_("Reflexion am festen und am losen Ende"),
        N_("Sagen Sie vorher: Kommt der Berg von jedem Ende als Berg oder als Tal zurück?"),
        N_("Drücken Sie „Weiter“: Ein einzelner Wellenberg läuft nach rechts zum losen Ende und "
           "von dort zurück zum festen linken Ende. Mit „Halt“ und „Schritt“ können Sie ihn "
           "verfolgen."),
        N_("Achten Sie darauf, ob er nach jedem Ende über oder unter der Ruhelage läuft."),
        N_("An welchem Ende wird aus dem Berg ein Tal, und warum gerade dort?"),
    },
    Experiment{
        "traeger=torsion&periode=20&amplitude=1&anregung=an&daempfung=an&hindernis=aus&brechung="
        "aus&tempo=10&halt=nein",
        N_("Fortschreitende Welle und Wellenlänge"),
        N_("Sagen Sie vorher: Wird die Welle bei einer längeren Periode länger oder kürzer?"),
        N_("Die Anregung schickt eine Welle nach rechts; das gedämpfte Ende wirft sie nicht "
           "zurück. Halten Sie an, wenn sie die Mitte erreicht hat, und messen Sie mit dem "
           "Messband "
           "(%1) von einem Berg zum nächsten."),
        N_("Jede Kugel schwingt wie die linke Endkugel, nur etwas später."),
        N_("Wie viele Kugelabstände ist eine Welle bei der Periode 20 lang?"),
    },
    Experiment{
        "traeger=torsion&periode=77.6&amplitude=0.1&anregung=an&daempfung=aus&hindernis=aus&"
        "brechung=aus&tempo=10&halt=nein",
        N_("Stehende Wellen"),
        N_("Sagen Sie vorher: Schwingt die Kette bei jeder Periode gleich stark mit?"),
        N_("Das rechte Ende ist lose und ungedämpft. Schieben Sie „Zeitablauf“ ganz auf „schnell“ "
           "und warten Sie 15 Sekunden. Drücken Sie dann „Löschen“ und versuchen Sie kleinere "
           "Perioden."),
        N_("Bei der Periode 77,6 schaukelt sich die Kette immer weiter auf; einige Stellen, die "
           "Knoten, bleiben dabei in Ruhe."),
        N_("Bei welchen Perioden zwischen 40 und 77,6 schaukelt sich die Kette auch auf?"),
    },
    Experiment{
        "traeger=torsion&periode=20&amplitude=1&anregung=an&daempfung=an&hindernis=aus&brechung="
        "aus&tempo=10&uhr=an&halt=nein",
        N_("Die Geschwindigkeit der Welle"),
        N_("Sagen Sie vorher: Wie weit kommt die Welle in 5 Zeiteinheiten?"),
        N_("Halten Sie an, wenn die Welle die Mitte erreicht hat, und drücken Sie „Momentbild“. "
           "Drücken Sie dann 5-mal „Schritt“: die Uhr zählt 5 Zeiteinheiten weiter."),
        N_("Die Welle ist gegenüber dem Momentbild weitergelaufen. Messen Sie mit dem Messband "
           "(%1), wie weit ein Berg gewandert ist."),
        N_("Wie viele Kugelabstände legt die Welle in einer Zeiteinheit zurück?"),
    },
    Experiment{
        "traeger=torsion&periode=20&amplitude=1&anregung=an&daempfung=an&hindernis=aus&brechung=an&"
        "tempo=10&halt=nein",
        N_("Brechung"),
        N_("Sagen Sie vorher: Werden die Wellen in der schweren Hälfte länger oder kürzer?"),
        N_("Rechts der Linie in der Mitte sind die Kugeln viermal so schwer. Halten Sie an, wenn "
           "die Welle das rechte Ende erreicht hat, und messen Sie die Wellenlänge auf beiden "
           "Seiten. Drücken Sie danach „Löschen“ und „Puls“."),
        N_("In der schweren Hälfte liegen die Berge dichter. Vom Puls läuft ein Berg weiter, und "
           "ein Tal, ein Drittel so hoch, kommt von der Grenze zurück."),
        N_("Wie verhält sich die Wellenlänge in der schweren Hälfte zu der in der leichten?"),
    },
    Experiment{
        "traeger=torsion&periode=20&amplitude=1&anregung=aus&daempfung=an&hindernis=an&brechung="
        "aus&tempo=10&halt=ja&puls=an",
        N_("Das Hindernis"),
        N_("Sagen Sie vorher: Was wird aus einem Berg, der auf eine gebremste Kugel trifft?"),
        N_("Drücken Sie „Weiter“: Ein einzelner Wellenberg läuft auf das Hindernis in der Mitte "
           "zu, eine Kugel, die gebremst wird."),
        N_("Ein Teil des Berges läuft hinter dem Hindernis weiter, ein Teil kommt zurück. "
           "Vergleichen Sie die Höhen."),
        N_("Kommt der zurückgeworfene Teil als Berg oder als Tal zurück?"),
    },
    Experiment{
        "traeger=pendel&periode=20&amplitude=1&anregung=aus&daempfung=an&hindernis=aus&brechung="
        "aus&tempo=10&halt=ja&puls=an",
        N_("Dispersion"),
        N_("Sagen Sie vorher: Behält ein Berg in beiden Ketten seine Form?"),
        N_("Drücken Sie „Weiter“: Ein einzelner Wellenberg läuft durch die Pendelkette. Wählen Sie "
           "danach die Torsionskette und schicken Sie mit „Puls“ einen zweiten Berg."),
        N_("In einer Kette ist der Berg gleich halb so hoch und zerfällt in eine wachsende Reihe "
           "von Bergen und Tälern, kurze Wellen vorn."),
        N_("In welcher Kette ändert der Berg seine Form?"),
    },
    Experiment{
        "traeger=pendel&periode=15&amplitude=1&anregung=an&daempfung=an&hindernis=aus&brechung=aus&"
        "tempo=10&halt=nein",
        N_("Die Grenzperiode der Pendelkette"),
        N_("Sagen Sie vorher: Trägt die Pendelkette Wellen jeder Periode?"),
        N_("Die Anregung schwingt mit der Periode 15. Stellen Sie danach die Perioden 18 und 22 "
           "ein, drücken Sie jedes Mal „Löschen“ und warten Sie 10 Sekunden."),
        N_("Bei 15 und 18 erreicht die Welle das rechte Ende und bleibt dort. Bei 22 schwingen nur "
           "die Kugeln am Anfang; eine kleine Anlaufwelle läuft weiter und verebbt."),
        N_("Ab welcher Periode trägt die Pendelkette keine Welle mehr?"),
    },
    Experiment{
        "traeger=pendel&periode=15&amplitude=1&anregung=aus&daempfung=an&hindernis=aus&brechung="
        "aus&tempo=4&halt=nein&zug=3",
        N_("Phasen- und Gruppengeschwindigkeit"),
        N_("Sagen Sie vorher: Laufen die Berge so schnell wie der Zug?"),
        N_("Ein kurzer Wellenzug aus 3 Perioden läuft langsam durch die Pendelkette. Halten Sie ab "
           "und zu an und messen Sie, wo seine Spitze ist und wo seine Berge sind."),
        N_("Die Berge entstehen am hinteren Ende des Zuges, laufen durch ihn hindurch nach vorn "
           "und verschwinden an seiner Spitze."),
        N_("Was ist schneller: die Berge oder der Zug als Ganzes?"),
    },
};

// What the instruction panel shows, in the language in use: the title, and the task, what to
// look for and the question as paragraphs of their own, after the prediction; the tape named
// as `device` lays it.
struct Instruction {
    std::string title;
    std::string text;
};
Instruction instructionOf(const Experiment& experiment, InputCodes::Device device);

// The experiment with `number` (counted from 1), or none.
std::optional<Experiment> numbered(int number);
} // namespace Experiments
