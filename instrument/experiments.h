#pragma once

#include "language/language.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The prepared experiments a teacher hands out: each is a setup of the wave machine (the text a
// link carries, see Setup) with a title and an instruction in three parts: what to do, what to
// look for and one question to answer. The texts are German, marked for the catalogues, and shown
// in the language in use; the faces list the titles and show the instruction of the one chosen
// in a panel of kPanelWidth by at most kPanelLines lines of the form's normal font.
//
// An experiment is reached from a link as "versuch=3" or "experiment=3", or chosen from the list;
// either way its setup is applied as a link's is; settings the link names besides count over the
// experiment's. Its numbers count from 1 in the order below.
//
// To add an experiment, copy an entry of kExperiments, change its setup text (try it as a link
// first: "?traeger=pendel&periode=15" shows a note for every part it cannot take), its title and
// its three texts, and add the English of each text to language/en.po; then give it a row in the
// experiments' test with the figure its instruction promises, measured on the model. Every setup
// names every setting its experiment relies on, so that choosing it in the middle of another one
// gives the same start.
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
inline constexpr int kPanelLines = 10;

inline constexpr std::array kExperiments{
    Experiment{
        "traeger=torsion&periode=20&amplitude=1&anregung=aus&daempfung=aus&hindernis=aus&"
        "brechung=aus&halt=nein&puls=an",
        N_("Reflexion am festen und am losen Ende"),
        N_("Ein einzelner Wellenberg läuft nach rechts zum losen Ende und von dort zurück zum "
           "festen linken Ende. Mit „Halt“ und „Schritt“ können Sie ihn verfolgen."),
        N_("Kommt er vom losen Ende als Berg oder als Tal zurück, und vom festen?"),
        N_("An welchem Ende wird aus dem Berg ein Tal?"),
    },
    Experiment{
        "traeger=torsion&periode=20&amplitude=1&anregung=an&daempfung=an&hindernis=aus&"
        "brechung=aus&halt=nein",
        N_("Fortschreitende Welle und Wellenlänge"),
        N_("Die Anregung schickt eine Welle nach rechts; das gedämpfte Ende wirft sie nicht "
           "zurück. Halten Sie an, wenn sie die Mitte erreicht hat, und messen Sie mit dem "
           "Maßband (rechte Maustaste) von einem Berg zum nächsten."),
        N_("Jede Masse schwingt wie die linke Endmasse, nur etwas später."),
        N_("Wie lang ist eine Welle bei der Periode 20?"),
    },
    Experiment{
        "traeger=torsion&periode=77.6&amplitude=0.1&anregung=an&daempfung=aus&hindernis=aus&"
        "brechung=aus&halt=nein",
        N_("Stehende Wellen"),
        N_("Das rechte Ende ist lose und ungedämpft. Warten Sie, bis die Ausschläge groß "
           "werden. Drücken Sie dann „Löschen“ und versuchen Sie kleinere Perioden."),
        N_("Bei der Periode 77,6 schaukelt sich die Kette immer weiter auf; einige Stellen, "
           "die Knoten, bleiben dabei in Ruhe."),
        N_("Bei welchen Perioden zwischen 40 und 77,6 schaukelt sich die Kette auch auf?"),
    },
    Experiment{
        "traeger=torsion&periode=20&amplitude=1&anregung=an&daempfung=an&hindernis=aus&"
        "brechung=aus&halt=nein",
        N_("Die Geschwindigkeit der Welle"),
        N_("Halten Sie an, wenn die Welle die Mitte erreicht hat, und drücken Sie "
           "„Momentbild“. Drücken Sie dann zehnmal „Schritt“: das sind 10 Zeiteinheiten."),
        N_("Die Welle ist gegenüber dem Momentbild weitergelaufen. Messen Sie mit dem "
           "Maßband, wie weit ein Berg gewandert ist."),
        N_("Wie viele Längeneinheiten legt die Welle in einer Zeiteinheit zurück?"),
    },
    Experiment{
        "traeger=torsion&periode=20&amplitude=1&anregung=an&daempfung=an&hindernis=aus&"
        "brechung=an&halt=nein",
        N_("Brechung"),
        N_("Rechts der Linie in der Mitte sind die Massen viermal so schwer. Halten Sie an, wenn "
           "die "
           "Welle das rechte Ende erreicht hat, und messen Sie die Wellenlänge auf beiden "
           "Seiten."),
        N_("In der schweren Hälfte liegen die Berge dichter; ein Teil der Welle wird an der "
           "Grenze zurückgeworfen."),
        N_("Wie verhält sich die Wellenlänge in der schweren Hälfte zu der in der leichten?"),
    },
    Experiment{
        "traeger=torsion&periode=20&amplitude=1&anregung=aus&daempfung=an&hindernis=an&"
        "brechung=aus&halt=nein&puls=an",
        N_("Das Hindernis"),
        N_("Ein einzelner Wellenberg läuft auf das Hindernis in der Mitte zu: eine Masse, "
           "die gebremst wird."),
        N_("Ein Teil des Berges läuft hinter dem Hindernis weiter, ein Teil kommt zurück. "
           "Vergleichen Sie die Höhen."),
        N_("Kommt der zurückgeworfene Teil als Berg oder als Tal zurück?"),
    },
    Experiment{
        "traeger=pendel&periode=20&amplitude=1&anregung=aus&daempfung=an&hindernis=aus&"
        "brechung=aus&halt=nein&puls=an",
        N_("Dispersion"),
        N_("Ein einzelner Wellenberg läuft durch die Pendelkette. Wählen Sie danach die "
           "Torsionskette und schicken Sie mit „Puls“ einen zweiten Berg."),
        N_("In der Torsionskette behält der Berg seine Form; in der Pendelkette wird er "
           "flacher und zieht kleine Wellen hinter sich her."),
        N_("Laufen in der Pendelkette kurze und lange Wellen gleich schnell?"),
    },
    Experiment{
        "traeger=pendel&periode=15&amplitude=1&anregung=an&daempfung=an&hindernis=aus&"
        "brechung=aus&halt=nein",
        N_("Die Grenzperiode der Pendelkette"),
        N_("Die Anregung schwingt mit der Periode 15. Stellen Sie danach die Perioden 19,5 "
           "und 22 ein und drücken Sie jedes Mal „Löschen“."),
        N_("Bei 15 und 19,5 läuft eine Welle bis zum rechten Ende; bei 22 schwingen nur die "
           "Massen am Anfang."),
        N_("Ab welcher Periode trägt die Pendelkette keine Welle mehr?"),
    },
    Experiment{
        "traeger=pendel&periode=15&amplitude=1&anregung=aus&daempfung=an&hindernis=aus&"
        "brechung=aus&halt=nein&zug=4",
        N_("Phasen- und Gruppengeschwindigkeit"),
        N_("Ein kurzer Wellenzug aus vier Perioden läuft durch die Pendelkette. Halten Sie "
           "ab und zu an und messen Sie, wo der Zug beginnt und wo seine Berge sind."),
        N_("Die Berge entstehen am hinteren Ende des Zuges, laufen durch ihn hindurch nach "
           "vorn und verschwinden dort."),
        N_("Was ist schneller: die Berge oder der Zug als Ganzes?"),
    },
};

// What the instruction panel shows, in the language in use: the title, and the task, what to
// look for and the question as paragraphs of their own.
struct Instruction {
    std::string title;
    std::string text;
};
Instruction instructionOf(const Experiment& experiment);

// The experiment with `number` (counted from 1), or none.
std::optional<Experiment> numbered(int number);
} // namespace Experiments
