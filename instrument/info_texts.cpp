#include "instrument/info_texts.h"

#include "language/language.h"

namespace InfoTexts {

std::string_view measuring() {
    return N_(
        "Messen: Die Zeit zählt in Zeiteinheiten. Bei der Anfangsgeschwindigkeit vergehen 25 "
        "Zeiteinheiten je Sekunde, je nach Stellung des Reglers „langsam ---schnell“ 2,5 bis "
        "125. „Uhr Start“ lässt die Uhr die Zeit zählen. Bei angehaltener Kette "
        "(„Halt/Weiter“) rückt „Schritt“ genau eine Zeiteinheit vor. „Momentbild“ hält die "
        "Lage der Kette als blasses Bild fest; „Zeitdiagramm“ zeichnet die Auslenkung "
        "gewählter Kugeln (Doppelklick, Doppeltipp oder D) über der Zeit auf. Das Messband "
        "(rechte Maustaste, Finger oder M) misst in Kugelabständen. So misst man die "
        "Geschwindigkeit einer Welle: anhalten, „Momentbild“, n-mal „Schritt“, mit dem "
        "Messband messen, wie weit ein Wellenberg gegenüber dem Momentbild gewandert ist, und "
        "durch n teilen. Die Torsionskette gibt für lange Wellen 1 Kugelabstand je "
        "Zeiteinheit.");
}

// The window on the torsion chain.
std::vector<std::string_view> torsionChain() {
    return {
        // Label1: the model.
        N_("Das Programm simuliert eine Wellenmaschine, die Zarvel: 97 Massenpunkte („Kugeln“) in "
           "einer waagerechten Reihe, gekoppelt durch Federn. Die Kugeln bewegen sich nur "
           "senkrecht zur Reihe, auf und ab; "
           "die Schwerkraft wird vernachlässigt. In der Praxis baut man diese Anordnung als "
           "Torsionskette: Querstäbe sitzen auf einem gespannten Draht, der beim Verdrillen wie "
           "eine Feder zurückdreht, und ihre Enden schwingen auf und ab."),
        // Label2: excitation by hand.
        N_("Wellen entstehen, wenn man den Anfangspunkt links periodisch auf und ab bewegt, etwa "
           "mit der Maus: Zeiger dicht neben den Anfangspunkt setzen und mit gedrückter "
           "linker Maustaste ziehen, ebenso mit dem Finger; ist die Kette angeklickt, auch mit "
           "den Pfeiltasten."),
        // Label3: forces on the masses, damping of the last mass.
        N_("Der Anfangspunkt sitzt links vor den 97 Kugeln („Festes Ende“); ihn bewegt man "
           "von außen auf und ab, von Hand oder durch die harmonische Anregung. Dabei spannt er "
           "die Feder zu seinem rechten Nachbarn, der ersten Kugel; die Federkraft setzt diese "
           "in Bewegung, sie gibt die Bewegung nach rechts weiter, und so fort. Jede Kugel außer "
           "der letzten spürt die Kräfte ihrer beiden Nachbarn und wird dadurch abwechselnd nach "
           "oben und nach unten beschleunigt. Auf die letzte Kugel rechts wirkt außer der Kraft "
           "ihres linken Nachbarn eine Dämpfungskraft, wenn die Dämpfung eingeschaltet ist "
           "(„Dämpfung On“): Sie ist proportional zur Geschwindigkeit v und stets gegen die "
           "Bewegung gerichtet."),
        // Label4: harmonic excitation.
        N_("Die Anregung kann auch automatisch und harmonisch (sinusförmig) erfolgen, mit "
           "einstellbarer Amplitude und Periode: Im Feld „Anregung am linken Ende“ stellen die "
           "Schieberegler Amplitude und Periode ein, und der Knopf „Harmonisch On/Off“ schaltet "
           "die Anregung ein und aus."),
        // Label5: clearing functions, halt and continue.
        N_("Im Feld „Löschfunktionen“ bringt der Knopf „Löschen“ die ganze Kette zur Ruhe; „v(i) "
           "= 0“ setzt nur alle Geschwindigkeiten auf null, „y(i) = 0“ nur alle Auslenkungen. "
           "Der Knopf „Halt/Weiter“ hält die Zarvel an, etwa um in Ruhe zu messen, und lässt sie "
           "danach weiterlaufen."),
        // Label6: loose and damped right end.
        N_("Das rechte Ende des Wellenträgers ist lose, das linke fest. Bei „Dämpfung Off“ wird "
           "ein Wellenberg an den Enden verschieden reflektiert: Am festen kehrt er als "
           "Wellental zurück, am losen als Wellenberg. Mit „Dämpfung On“ wirft das gedämpfte "
           "Ende ohne Brechung (fast) nichts zurück; so kann man fortlaufende Wellen "
           "untersuchen."),
        // Label7: obstacle.
        N_("Man kann ein Hindernis in die Kette einbauen: Auf die Kugel in der Mitte wirkt dann "
           "eine zusätzliche Kraft, die proportional zu ihrer Geschwindigkeit ist und stets "
           "gegen die Bewegung wirkt."),
        // Label8: refraction.
        N_("Brechung: Die Kugeln der rechten Hälfte haben die vierfache Masse bei gleichen "
           "Federn. Lange Wellen haben dort bei gleicher Frequenz die halbe Wellenlänge, kürzere "
           "weniger; unter Periode 6,3 dringt bei der Anfangsgeschwindigkeit keine ein. Die Grenze "
           "in "
           "der Mitte und das gedämpfte Ende werfen je etwa ein Drittel der Welle zurück. Rechts "
           "schwanken darum die Ausschläge von Kugel zu Kugel; links überlagern sich beide "
           "Echos: 3 % bei Periode 25, gut die Hälfte bei Periode 15."),
        // Label9: dispersion and the measuring tape.
        N_("Die Torsionskette zeigt wenig Dispersion: Wellen, die lang gegen den Kugelabstand "
           "sind, laufen fast gleich schnell. Das zeigen Messungen bei verschiedenen Perioden: "
           "Mit „Halt/Weiter“ anhalten und mit gedrückter rechter Maustaste von einem Wellenberg "
           "zum nächsten ziehen (Finger: erst eine halbe Sekunde still halten; Tasten: M, "
           "Pfeile, Eingabe). Ein Messband zeigt die Wellenlänge in Kugelabständen."),
        measuring(),
    };
}

// The window on the pendulum chain.
std::vector<std::string_view> pendulumChain() {
    return {
        // Label1: the model.
        N_("Die Zarvel, eine Wellenmaschine, als Pendelkette: Das Programm simuliert 97 "
           "Massenpunkte („Kugeln“), die an gleich langen Fäden in "
           "einer waagerechten Reihe hängen und durch Federn miteinander gekoppelt sind. Die "
           "Kugeln schwingen quer zur Reihe; das Bild zeigt ihre Auslenkung nach oben und unten. "
           "Wie bei der Torsionskette spürt jede Kugel die Kräfte ihrer Nachbarn. Zusätzlich "
           "treibt eine Komponente der Schwerkraft jede ausgelenkte Kugel außer der letzten stets "
           "zur Ruhelage zurück, wie beim Fadenpendel; die letzte zieht nur ihre Feder zurück. "
           "Diese zusätzliche Kraft verändert das Verhalten der "
           "Pendelkette als Wellenträger ganz erheblich."),
        // Label2: stronger dispersion than in the torsion chain.
        N_("Erstens zeigt die Pendelkette viel stärkere Dispersion als die Torsionskette. Das "
           "liegt an der Schwerkraft: Ihre Rückstellkraft hängt nur von der Auslenkung der Kugel "
           "selbst ab, die Federkraft vom Unterschied zu den Nachbarn, und dieser Unterschied "
           "ist bei langen Wellen klein. So hängt die Geschwindigkeit stark von der Wellenlänge "
           "ab. Deshalb bleibt ein einzelner Wellenberg nicht lange allein: Sofort zieht er "
           "einen Schwanz aus Wellentälern und Wellenbergen hinter sich her und wird zu einer "
           "immer längeren Wellengruppe."),
        // Label3: lower cut-off frequency.
        N_("Zweitens hat die Pendelkette eine untere Grenzfrequenz: Nur eine schnellere "
           "periodische Anregung erzeugt fortlaufende Wellen. In diesem Modell liegt die Grenze "
           "bei einer Periode von knapp 20 Zeiteinheiten. Bei größeren Perioden entstehen keine "
           "fortlaufenden Wellen, die Bewegung klingt nach rechts hin ab; nur das Einschalten "
           "schickt anfangs eine kleine Welle durch die Kette (Periode 25, Amplitude 1: Die Kugeln "
           "50 bis 97 schlagen von etwa 61 bis 164 Zeiteinheiten nach dem Einschalten 0,1 bis 0,15 "
           "aus; bei Amplitude 2 von 57 bis 480 Zeiteinheiten 0,1 bis 0,31). Erst bei kürzeren "
           "Perioden "
           "setzt eine Wellenbewegung ein, die schließlich die ganze Kette als fortlaufende "
           "Sinuswelle ausfüllt; dicht unter der Grenze wird ihre Wellenlänge beliebig groß. "
           "Auch mit „Dämpfung On“ schluckt das rechte Ende nicht jede Wellenlänge ganz: Ein "
           "Teil der Welle wird reflektiert (je näher an der Grenze, desto mehr) und stört das "
           "Bild."),
        // Label4: upper cut-off frequency of both chains.
        N_("Torsionskette und Pendelkette haben außerdem eine obere Grenzfrequenz: Bei ihr "
           "schwingen benachbarte Kugeln gegenphasig (bei der Anfangsgeschwindigkeit Periode etwa "
           "3,1 "
           "Zeiteinheiten). Die "
           "Torsionskette hat keine untere Grenzfrequenz: Jede noch so langsame Anregung läuft "
           "in ihr als Welle fort, ihre Wellenlänge hat keine obere Grenze. In der Pendelkette "
           "wächst die Wellenlänge knapp unter der Periode 20 über alle Grenzen (bei der "
           "Anfangsgeschwindigkeit 239 Kugelabstände bei 19,8, bei schnellerem Zeitablauf mehr); "
           "darüber entsteht keine Welle."),
        // Label5: phase and group velocity.
        N_("In der Pendelkette sieht man deutlich den Unterschied zwischen Phasengeschwindigkeit "
           "und Gruppengeschwindigkeit. Dazu schaltet man die harmonische Anregung nur kurz ein "
           "(„Harmonisch On/Off“), so dass eine Wellengruppe entsteht. Der Kopf der Gruppe kommt "
           "langsamer voran als die einzelnen Wellenberge. Das ist möglich, weil die Wellenberge "
           "durch die Gruppe nach vorn laufen: In der hinteren Hälfte der Gruppe wachsen sie, "
           "zum Kopf hin werden sie immer kleiner und verschwinden dort."),
        measuring(),
    };
}

} // namespace InfoTexts
