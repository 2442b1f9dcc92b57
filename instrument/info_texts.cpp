#include "instrument/info_texts.h"

namespace InfoTexts {

// The window on the torsion chain.
std::vector<std::string_view> torsionChain() {
    return {
        // Label1: the model.
        std::string_view(
            "Das Programm simuliert 97 Massenpunkte („Kugeln“), die in einer waagerechten Reihe "
            "liegen und durch Federn gekoppelt sind. Die Kugeln bewegen sich nur senkrecht; die "
            "Schwerkraft wird vernachlässigt. In der Praxis baut man diese Anordnung als "
            "Torsionskette: Querstäbe sitzen auf einem gespannten Draht, der beim Verdrillen wie "
            "eine Feder zurückdreht."),
        // Label2: excitation by hand.
        std::string_view(
            "Wellen entstehen, wenn man den ersten Massenpunkt periodisch auf und ab bewegt, zum "
            "Beispiel mit der Maus: Mauszeiger dicht neben den ersten Massenpunkt setzen und mit "
            "gedrückter linker Maustaste ziehen, ebenso mit dem Finger; ist die Kette "
            "angeklickt, auch mit den Pfeiltasten."),
        // Label3: forces on the masses, damping of the last mass.
        std::string_view(
            "Den ersten Massenpunkt (links) kann man beliebig auf und ab bewegen. Dabei spannt er "
            "die Feder zu seinem rechten Nachbarn; die Federkraft setzt diesen in Bewegung, "
            "dieser gibt die Bewegung nach rechts weiter, und so fort. Jede Kugel außer der "
            "ersten und der letzten spürt die Kräfte ihrer beiden Nachbarn und wird dadurch "
            "abwechselnd nach oben und nach unten beschleunigt. Auf die letzte Kugel rechts wirkt "
            "außer der Kraft ihres linken Nachbarn eine Dämpfungskraft, wenn die Dämpfung "
            "eingeschaltet ist („Dämpfung On“): Sie ist proportional zur Geschwindigkeit v und "
            "stets gegen die Bewegung gerichtet."),
        // Label4: harmonic excitation.
        std::string_view(
            "Die Anregung kann auch automatisch und harmonisch (sinusförmig) erfolgen, mit "
            "einstellbarer Amplitude und Periode: Im Feld „Anregung am linken Ende“ stellen die "
            "Schieberegler Amplitude und Periode ein, und der Knopf „Harmonisch On/Off“ schaltet "
            "die Anregung ein und aus."),
        // Label5: clearing functions, halt and continue.
        std::string_view(
            "Im Feld „Löschfunktionen“ bringt der Knopf „Löschen“ die ganze Kette zur Ruhe; „v(i)"
            " = 0“ setzt nur alle Geschwindigkeiten auf null, „y(i) = 0“ nur alle Auslenkungen. "
            "Der Knopf „Halt/Weiter“ hält die Zarvel an, etwa um in Ruhe zu messen, und lässt sie"
            " danach weiterlaufen."),
        // Label6: loose and damped right end.
        std::string_view(
            "Das rechte Ende des Wellenträgers ist lose, das linke fest. Bei „Dämpfung Off“ sieht"
            " man, dass ein Wellenberg an beiden Enden verschieden reflektiert wird: Am festen "
            "Ende kehrt er als Wellental zurück, am losen als Wellenberg. Mit „Dämpfung On“ wird "
            "das lose Ende zusätzlich gedämpft: Es gibt (fast) keine Reflexionen, und man kann "
            "fortlaufende Wellen untersuchen."),
        // Label7: obstacle.
        std::string_view(
            "Man kann ein Hindernis in die Kette einbauen: Auf die Kugel in der Mitte wirkt dann "
            "eine zusätzliche Kraft, die proportional zu ihrer Geschwindigkeit ist und stets "
            "gegen die Bewegung wirkt."),
        // Label8: refraction.
        std::string_view(
            "Auch Brechung ist zu sehen: Die Kugeln der rechten Hälfte haben die vierfache Masse "
            "bei gleichen Federn. Dort ist die Welle halb so schnell und hat bei gleicher "
            "Frequenz die halbe Wellenlänge. An der Grenze wird ein Teil reflektiert."),
        // Label9: dispersion and the measuring tape.
        std::string_view(
            "Die Torsionskette zeigt wenig Dispersion: Wellen, die lang gegen den Kugelabstand "
            "sind, laufen fast gleich schnell. Das zeigen Messungen bei "
            "verschiedenen Perioden: Mit „Halt/Weiter“ anhalten und mit gedrückter rechter "
            "Maustaste von einem Wellenberg zum nächsten ziehen (Finger: erst eine halbe Sekunde "
            "still halten; Tasten: M, Pfeile, Eingabe). Ein Messband zeigt die Wellenlänge in "
            "Kugelabständen."),
    };
}

// The window on the pendulum chain.
std::vector<std::string_view> pendulumChain() {
    return {
        // Label1: the model.
        std::string_view(
            "Das Programm simuliert 97 Massenpunkte, die an gleich langen Fäden in einer "
            "waagerechten Reihe hängen und durch Federn miteinander gekoppelt sind. Wie bei der "
            "Torsionskette spürt jede Kugel die Kräfte ihrer beiden Nachbarn. Zusätzlich treibt "
            "eine Komponente der Schwerkraft jede ausgelenkte Kugel stets zur Ruhelage zurück, "
            "wie beim Fadenpendel. Diese zusätzliche Kraft verändert das Verhalten der "
            "Pendelkette als Wellenträger ganz erheblich."),
        // Label2: stronger dispersion than in the torsion chain.
        std::string_view(
            "Ein zweiter wichtiger Unterschied: In der Pendelkette leidet die Wellenausbreitung "
            "viel stärker unter Dispersion als in der Torsionskette. Das liegt an der "
            "Schwerkraft: Ihre Rückstellkraft hängt nur von der Auslenkung der Kugel selbst ab, "
            "die Federkraft vom Unterschied zu den Nachbarn, und der ist bei langen Wellen klein. "
            "So hängt die Geschwindigkeit stark von der Wellenlänge ab. Deshalb bleibt ein "
            "einzelner Wellenberg nicht lange allein: Sofort zieht er einen Schwanz aus "
            "Wellentälern und Wellenbergen hinter sich her und wird zu einer immer längeren "
            "Wellengruppe."),
        // Label3: lower cut-off frequency.
        std::string_view(
            "Erstens hat die Pendelkette eine untere Grenzfrequenz, die eine periodische Anregung "
            "überschreiten muss, damit überhaupt fortlaufende Wellen entstehen. In diesem Modell "
            "liegt die Grenze bei einer Periode von knapp 20 Zeiteinheiten: Ist die Periode der "
            "harmonischen Anregung größer, entstehen keine Wellen; die Bewegung klingt nach "
            "rechts hin ab. Erst bei kürzeren Perioden setzt eine Wellenbewegung ein, die "
            "schließlich den ganzen Wellenträger als fortlaufende Sinuswelle ausfüllt; dicht "
            "unter der Grenze wird ihre Wellenlänge beliebig groß. Auch mit „Dämpfung On“ "
            "schluckt das rechte Ende nicht jede Wellenlänge ganz: Ein Teil der Welle wird "
            "reflektiert (je näher an der Grenze, desto mehr) und stört das Bild der "
            "fortlaufenden Welle."),
        // Label4: upper cut-off frequency of both chains.
        std::string_view(
            "Torsionskette und Pendelkette haben außerdem eine obere Grenzfrequenz. Sie ist "
            "erreicht, wenn die harmonische Anregung so schnell ist, dass benachbarte Kugeln "
            "gegenphasig schwingen (Periode etwa 3,1 Zeiteinheiten). Die Torsionskette hat keine "
            "untere Grenzfrequenz: Jede noch so langsame Anregung läuft in ihr als Welle fort, "
            "ihre Wellenlänge hat keine obere Grenze. In der Pendelkette gilt das nur unterhalb "
            "der Grenzperiode, darüber entsteht keine Welle."),
        // Label5: phase and group velocity.
        std::string_view(
            "In der Pendelkette sieht man deutlich den Unterschied zwischen Phasengeschwindigkeit "
            "und Gruppengeschwindigkeit. Dazu schaltet man die harmonische Anregung nur kurz ein "
            "(„Harmonisch On/Off“), so dass eine Wellengruppe entsteht. Der Kopf der Gruppe kommt "
            "langsamer voran als die einzelnen Wellenberge. Das ist möglich, weil die Wellenberge "
            "durch die Gruppe nach vorn laufen: In ihrer hinteren Hälfte wachsen sie, zum Kopf "
            "hin werden sie immer kleiner und verschwinden dort."),
    };
}

} // namespace InfoTexts
