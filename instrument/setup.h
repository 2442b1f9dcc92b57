#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Instrument;

// A starting setup of the wave machine, as a teacher's link or a desktop shortcut carries it:
// "traeger=pendel&periode=22&daempfung=aus". Each parameter has a short German and an English
// name; its value is given in the units its control's read-out shows (period 22 is the read-out
// 22, with a decimal point or comma), as a word (every switch and the halt take an/aus, ein/aus,
// ja/nein, on/off, yes/no and 1/0; the carrier torsion, pendel/pendulum) or, for the speed, as
// the scroll bar's position from 1 to 50. Two parameters are sent rather than set, after every
// setting: "puls=an" sends one crest of the drive, "zug=3" a train of 3 whole periods (1 to 10).
//
// Unknown names, malformed values, values out of a control's range and names given again are
// each ignored with a note that quotes the part as given; the rest applies. Applying a setup is
// what a student would do by hand: clicks and scroll-bar changes through the instrument's front
// door, in one fixed order, after the start values and before the run begins (see
// Instrument::start). The language is chosen by the front ends before the instrument starts (see
// language).
class Setup {
public:
    // In the order a setup is applied; the language last, applied by the front ends.
    enum class Setting {
        Carrier,
        Amplitude,
        Period,
        Drive,
        Damping,
        Obstacle,
        Refraction,
        Speed,
        Clock,
        Halt,
        Pulse,
        Train,
        Language
    };
    static constexpr std::size_t kApplied = static_cast<std::size_t>(Setting::Language);

    // The setup a query text gives ("?a=b&c=d", percent-encoded, '+' for a blank); never fails.
    static Setup parse(std::string_view text);
    // The instrument's settings now, every one of them; the language is not the instrument's,
    // nor are a pulse and a train, which are sent rather than set.
    static Setup of(const Instrument& instrument);
    // Every setting `given` makes, in place of this one's.
    void takeFrom(const Setup& given);

    // Every number held to its control's range on the instrument's panels: one outside is left
    // out, with a note. A front end calls it to have every note before the start; applyTo does
    // it as well.
    void fitTo(const Instrument& instrument);
    // The settings made on a started instrument as clicks and scroll-bar changes, in the order of
    // Setting; one that is in force already makes no click.
    void applyTo(Instrument& instrument);

    // As a query text, without the '?': German names, numbers with a decimal point; `language`
    // added as "lang" where given. Parsed again, it gives the same settings.
    std::string text(std::string_view language = {}) const;

    // A setting's value in its control's steps: a scroll bar's value, 1 for on, yes and the
    // pendulum chain, 0 for off, no and the torsion chain; none where the setup leaves it.
    std::optional<int> value(Setting setting) const { return values_[index(setting)]; }
    // The language's code as given ("en"), for the front ends to choose; none where not given.
    const std::optional<std::string>& language() const { return language_; }
    // The prepared experiment the setup names ("versuch=3"), counted from 1; 0 where none.
    int experiment() const { return experiment_; }

    // Leaves the language to `chooser` ("--language en", as given), which asks for `code`: a
    // language of the setup's own other than it is dropped, with a note that names both.
    void leaveLanguageTo(std::string_view chooser, std::string_view code);
    // A note on where the setup came from, shown before the notes on its parts: `form` (German,
    // marked N_()) with %1 for `ignored` and %3 for `counting`, each quoted as a part is.
    void addNote(std::string_view form, std::string_view ignored, std::string_view counting);

    // A line for each part that was ignored, in the order given, in the language in use; after
    // the first few, one line tells how many more there are.
    std::vector<std::string> notes() const;
    // The heading the front ends show above the notes.
    static std::string_view notesHeading();

    // What a setup takes, for a usage text: a line for each setting (the reversed names of the
    // halt on a line of their own, the language last) with its names and what its value may be,
    // in the language in use; numbers in the ranges of `instrument`'s controls.
    struct Help {
        std::string names;
        std::string values;
    };
    static std::vector<Help> help(const Instrument& instrument);

private:
    // An ignored part of the setup; its text is made in the language in use when it is shown.
    struct Note {
        std::size_t position;     // of the part in the text, counted from 1; 0 for a front end's
        std::string_view form;    // German, with %1 for the part, %2 its value, %3 and %4 more
        std::string given;        // the part as given, quoted
        std::string value;        // its value, quoted
        std::string_view allowed; // what a value may be, German; or
        std::string other;        // a text shown as it is (the words a value may be, a part); or
        double low = 0;           // a range or a step, in the read-out's units
        double high = 0;
    };

    static std::size_t index(Setting setting) { return static_cast<std::size_t>(setting); }
    void take(std::size_t position, std::string_view name, std::string_view value, bool hasValue);

    std::array<std::optional<int>, kApplied> values_{};
    std::array<std::size_t, kApplied> positions_{};
    // Each setting's part as given, for a note made when it is applied or given again.
    std::array<std::string, kApplied> givenParts_{};
    std::optional<std::string> language_;
    int experiment_ = 0;
    std::string givenLanguage_;
    std::size_t languagePosition_ = 0;
    std::vector<Note> notes_;
    // A value given again for a setting that had one, with the note that refuses it.
    struct Later {
        std::size_t setting;
        std::size_t note;
        int value;
    };
    std::vector<Later> later_;
};
