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
// 22, with a decimal point or comma), as a word (an/aus, on/off; ja/nein, yes/no; torsion,
// pendel/pendulum) or, for the speed, as the scroll bar's position from 1 to 50.
//
// Unknown names, malformed values, values out of a control's range and names given again are
// each ignored with a note that names them; the rest applies. Applying a setup is what a student
// would do by hand: clicks and scroll-bar changes through the instrument's front door, in one
// fixed order, after the start values and before the run begins (see Instrument::start). The
// language is chosen by the front ends before the instrument starts (see language).
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
        Language
    };
    static constexpr std::size_t kApplied = static_cast<std::size_t>(Setting::Language);

    // The setup a query text gives ("?a=b&c=d", percent-encoded, '+' for a blank); never fails.
    static Setup parse(std::string_view text);
    // The instrument's settings now, every one of them; the language is not the instrument's.
    static Setup of(const Instrument& instrument);

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

    // A line for each part that was ignored, in the order given, in the language in use; after
    // the first few, one line tells how many more there are.
    std::vector<std::string> notes() const;
    // The heading the front ends show above the notes.
    static std::string_view notesHeading();

private:
    // An ignored part of the setup; its text is made in the language in use when it is shown.
    struct Note {
        std::size_t position;  // of the part in the text
        std::string_view form; // German, with %1 for the name, %2 the value, %3 and %4 more
        std::string name;
        std::string value;
        std::string_view allowed; // the words a value may be, German; none for a number
        double low = 0;           // a range or a step, in the read-out's units
        double high = 0;
    };

    static std::size_t index(Setting setting) { return static_cast<std::size_t>(setting); }
    void take(std::size_t position, std::string_view name, std::string_view value);

    std::array<std::optional<int>, kApplied> values_{};
    std::array<std::size_t, kApplied> positions_{};
    // Each setting's name and value as given, for a note made when it is applied.
    std::array<std::string, kApplied> givenNames_{};
    std::array<std::string, kApplied> givenValues_{};
    std::optional<std::string> language_;
    std::vector<Note> notes_;
};
