#include "instrument/setup.h"

#include "core/chain_constants.h"
#include "instrument/experiments.h"
#include "instrument/instrument.h"
#include "instrument/query_text.h"
#include "instrument/read_out_text.h"
#include "language/language.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

using Setting = Setup::Setting;

// Every name a parameter is known by; the first of each setting is the one a link uses.
struct Name {
    std::string_view text;
    Setting setting;
    bool inverted = false; // "lauf=ja" is "halt=nein"
};

constexpr std::array kNames{
    Name{"traeger", Setting::Carrier},
    Name{"träger", Setting::Carrier},
    Name{"carrier", Setting::Carrier},
    Name{"amplitude", Setting::Amplitude},
    Name{"periode", Setting::Period},
    Name{"period", Setting::Period},
    Name{"anregung", Setting::Drive},
    Name{"drive", Setting::Drive},
    Name{"daempfung", Setting::Damping},
    Name{"dämpfung", Setting::Damping},
    Name{"damping", Setting::Damping},
    Name{"hindernis", Setting::Obstacle},
    Name{"obstacle", Setting::Obstacle},
    Name{"brechung", Setting::Refraction},
    Name{"refraction", Setting::Refraction},
    Name{"tempo", Setting::Speed},
    Name{"speed", Setting::Speed},
    Name{"uhr", Setting::Clock},
    Name{"clock", Setting::Clock},
    Name{"halt", Setting::Halt},
    Name{"lauf", Setting::Halt, true},
    Name{"run", Setting::Halt, true},
    Name{"puls", Setting::Pulse},
    Name{"pulse", Setting::Pulse},
    Name{"zug", Setting::Train},
    Name{"train", Setting::Train},
    Name{"lang", Setting::Language},
    Name{"sprache", Setting::Language},
    Name{"language", Setting::Language},
};

// The words a value may be, in pairs: the word for 0 (off, no, the torsion chain), the word for
// 1. Every switch and the halt take the same words, in a link as on the command line.
using Words = std::array<std::string_view, 2>;
constexpr std::array<Words, 2> kCarrierWords{{{"torsion", "pendel"}, {"torsion", "pendulum"}}};
constexpr std::array<Words, 6> kSwitchWords{
    {{"aus", "an"}, {"aus", "ein"}, {"nein", "ja"}, {"off", "on"}, {"no", "yes"}, {"0", "1"}}};

// How a setting is given and made: by a word and a click, or by a number and its scroll bar,
// whose value is the number times `scale`.
struct Rule {
    Control control;
    std::span<const Words> words;  // none: a number
    std::string_view allowed = {}; // the words, as a note names them; none: every pair
    double scale = 1;
    std::size_t linkWords = 0; // the pair a link uses
    // A number's range where no scroll bar holds it; else the bar's.
    int low = 0;
    int high = 0;
};

const Rule& ruleOf(Setting setting) {
    static const std::array<Rule, Setup::kApplied> rules{{
        {Role::kPendulumOption, kCarrierWords, N_("torsion oder pendel")},
        {Role::kAmplitudeBar, {}, {}, Chain::kAmplitudeBarScale},
        {Role::kPeriodBar, {}, {}, Chain::kPeriodBarScale},
        {Role::kDriveSwitch, kSwitchWords},
        {Role::kDampingSwitch, kSwitchWords},
        {Role::kObstacleSwitch, kSwitchWords},
        {Role::kRefractionSwitch, kSwitchWords},
        // The speed has no read-out: its bar's position, from "langsam" to "schnell".
        {Role::kSpeedBar, {}, {}, 1},
        {Role::kClockSwitch, kSwitchWords},
        {Role::kHaltButton, kSwitchWords, {}, 1, 2},
        // Sent once, after every setting: one crest, or a train of whole periods.
        {Role::kPulseButton, kSwitchWords},
        {Role::kPulseButton, {}, {}, 1, 0, 1, 10},
    }};
    return rules[static_cast<std::size_t>(setting)];
}

// Sent rather than set: nothing of the instrument's state tells them.
bool isSent(Setting setting) {
    return setting == Setting::Pulse || setting == Setting::Train;
}

Panels::ScrollRange rangeOf(const Rule& rule, const Instrument& instrument) {
    return rule.high > 0 ? Panels::ScrollRange{.minimum = rule.low, .maximum = rule.high}
                         : instrument.panels()[rule.control].range;
}

std::string_view linkName(Setting setting) {
    return std::find_if(kNames.begin(), kNames.end(),
                        [setting](const Name& n) { return n.setting == setting; })
        ->text;
}

// What each note says; %1 is the part as given, %2 its value, %3 and %4 what is allowed or
// the part that counts.
constexpr std::string_view kUnknownName = N_("„%1“ ist keine Einstellung und wird übergangen.");
constexpr std::string_view kBadWord = N_("„%1“ wird übergangen: erlaubt ist %3.");
constexpr std::string_view kNotANumber = N_("„%1“ wird übergangen: „%2“ ist keine Zahl.");
constexpr std::string_view kBetweenSteps =
    N_("„%1“ wird übergangen: der Wert geht in Schritten von %3.");
constexpr std::string_view kOutOfRange =
    N_("„%1“ wird übergangen: der Wert liegt nicht zwischen %3 und %4.");
constexpr std::string_view kRepeated =
    N_("„%1“ wird übergangen: die Einstellung ist schon als „%3“ angegeben.");
constexpr std::string_view kLanguageLeft = N_("„%1“ wird übergangen: die Sprache wählt „%3“.");
// The usage's words for a number's range and for the reversed names of the halt.
constexpr std::string_view kRange = N_("%1 bis %2 in Schritten von %3");
constexpr std::string_view kReversed = N_("%1 (umgekehrt wie %2)");
constexpr std::string_view kMore = N_("… und %1 weitere übergangene Angaben.");
constexpr std::string_view kHeading = N_("Einstellung beim Start:");
constexpr std::size_t kShownNotes = 8;
// A name or value quoted in a note is cut after this many characters.
constexpr std::size_t kQuotedLength = 24;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return out;
}

// Text from an address, fit to be shown: valid UTF-8 without control characters (each fault a
// replacement character), at most kQuotedLength characters.
std::string quoted(std::string_view text) {
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    std::string out;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++characters) {
        if (characters == kQuotedLength) {
            return out + "…";
        }
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xC2 && lead < 0xE0 ? 2
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xF0 && lead < 0xF5 ? 4
                                                                 : 0;
        bool valid = length > 0 && i + length <= text.size();
        std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && code >= least[length] && code <= 0x10FFFF &&
                (code < 0xD800 || code > 0xDFFF) && code >= 0x20 && (code < 0x7F || code > 0x9F);
        if (valid) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out.append(kReplacement);
            i += 1;
        }
    }
    return out;
}

// A number as a read-out writes it, "1,4"; steps are read-out values times a bar's scale.
struct Number {
    enum class Kind { Steps, Malformed, BetweenSteps } kind;
    long long steps = 0;
};

int decimalsOf(double scale) {
    return static_cast<int>(std::lround(std::log10(scale)));
}

// "[-]digits[(.|,)digits]", in steps of 1/scale; beyond a billion steps it is held there.
Number numberOf(std::string_view text, double scale) {
    constexpr long long kHeld = 1'000'000'000;
    const int decimals = decimalsOf(scale);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t separator = text.find_first_of(".,");
    const std::string_view whole = text.substr(0, separator);
    const std::string_view fraction =
        separator == std::string_view::npos ? std::string_view() : text.substr(separator + 1);
    const auto digits = [](std::string_view s) {
        return !s.empty() &&
               std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(whole) || (separator != std::string_view::npos && !digits(fraction))) {
        return {Number::Kind::Malformed};
    }
    long long steps = 0;
    for (const char c : whole) {
        steps = std::min(kHeld, steps * 10 + (c - '0'));
    }
    for (int d = 0; d < decimals; ++d) {
        const int digit =
            d < static_cast<int>(fraction.size()) ? fraction[std::size_t(d)] - '0' : 0;
        steps = std::min(kHeld, steps * 10 + digit);
    }
    const std::string_view rest =
        fraction.substr(std::min(fraction.size(), static_cast<std::size_t>(decimals)));
    if (rest.find_first_not_of('0') != std::string_view::npos) {
        return {Number::Kind::BetweenSteps};
    }
    return {Number::Kind::Steps, negative ? -steps : steps};
}

// Steps as a link writes them: "1.4", "22".
std::string linkNumber(int steps, double scale) {
    const int decimals = decimalsOf(scale);
    int unit = 1;
    for (int d = 0; d < decimals; ++d) {
        unit *= 10;
    }
    const int size = std::abs(steps);
    std::string text = steps < 0 ? "-" : "";
    text += std::to_string(size / unit);
    std::string fraction = std::to_string(size % unit + unit).substr(1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    return fraction.empty() ? text : text + "." + fraction;
}

// A read-out value in the language in use.
std::string shown(double value) {
    return ReadOutText::ofDouble(value, Language::decimalSeparator(","));
}

std::string filled(std::string_view form, std::span<const std::string> parts) {
    std::string out;
    for (std::size_t i = 0; i < form.size(); ++i) {
        const std::size_t which =
            i + 1 < form.size() && form[i] == '%' ? std::size_t(form[i + 1] - '1') : parts.size();
        if (which < parts.size()) {
            out += parts[which];
            ++i;
        } else {
            out += form[i];
        }
    }
    return out;
}

// What a value may be, as a note and the usage name it: the rule's words, or every pair
// ("an/aus, ein/aus, …"), or the program's language codes.
std::string allowedWords(const Rule& rule) {
    if (!rule.allowed.empty()) {
        return std::string(Language::translate(rule.allowed));
    }
    std::string list;
    for (const Words& w : rule.words) {
        list.append(list.empty() ? "" : ", ").append(w[1]).append("/").append(w[0]);
    }
    return list;
}

std::string languageCodes() {
    std::string list;
    for (const std::string_view c : Language::codes()) {
        list.append(list.empty() ? "" : ", ").append(c);
    }
    return list;
}

// Whether the instrument's setting is in force, for a setting made by a word.
int current(const Instrument& instrument, Setting setting) {
    const ChainState& s = instrument.state();
    switch (setting) {
    case Setting::Carrier:
        return instrument.panels()[Role::kPendulumOption].checked ? 1 : 0;
    case Setting::Drive:
        return s.harmonicOn == 1 ? 1 : 0;
    case Setting::Damping:
        return s.endDamping == Chain::kDampingOn ? 1 : 0;
    case Setting::Obstacle:
        return s.obstacleOn == 1 ? 1 : 0;
    case Setting::Refraction:
        return s.refractionOn == 1 ? 1 : 0;
    case Setting::Clock:
        return s.clockOn == 1 ? 1 : 0;
    case Setting::Halt:
        return s.halted == 1 ? 1 : 0;
    default:
        return instrument.panels().value(ruleOf(setting).control);
    }
}

} // namespace

Setup Setup::parse(std::string_view text) {
    Setup setup;
    const std::vector<QueryText::Pair> pairs = QueryText::pairs(text);
    // A prepared experiment, "versuch=3": its settings count where the link gives none of its own.
    static constexpr std::string_view kNoExperiment =
        N_("„%1“ wird übergangen: die Versuche gehen von 1 bis %3.");
    std::string experimentPart;
    std::size_t experimentAt = 0;
    Setup experiment;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const std::string key = lowered(trimmed(pairs[i].name));
        if (key != "versuch" && key != "experiment") {
            setup.take(i + 1, pairs[i].name, pairs[i].value, pairs[i].hasValue);
            continue;
        }
        std::string given = quoted(pairs[i].name);
        if (pairs[i].hasValue) {
            given += '=';
            given += quoted(pairs[i].value);
        }
        const Number number = numberOf(trimmed(pairs[i].value), 1);
        const auto found = number.kind == Number::Kind::Steps
                               ? Experiments::numbered(static_cast<int>(number.steps))
                               : std::nullopt;
        if (!experimentPart.empty() || !found) {
            setup.notes_.push_back({i + 1,
                                    experimentPart.empty() ? kNoExperiment : kRepeated,
                                    given,
                                    {},
                                    {},
                                    experimentPart.empty()
                                        ? std::to_string(Experiments::kExperiments.size())
                                        : experimentPart});
            continue;
        }
        experimentPart = given;
        experimentAt = i + 1;
        experiment = parse(found->setup);
        setup.experiment_ = static_cast<int>(number.steps);
    }
    for (std::size_t i = 0; i < kApplied; ++i) {
        if (!setup.values_[i] && experiment.values_[i]) {
            setup.values_[i] = experiment.values_[i];
            setup.positions_[i] = experimentAt;
            setup.givenParts_[i] = experimentPart;
        }
    }
    for (Note note : experiment.notes_) {
        note.position = experimentAt;
        setup.notes_.push_back(std::move(note));
    }
    return setup;
}

void Setup::take(std::size_t position, std::string_view name, std::string_view value,
                 bool hasValue) {
    const std::string key = lowered(trimmed(name));
    const auto* known =
        std::find_if(kNames.begin(), kNames.end(), [&key](const Name& n) { return n.text == key; });
    std::string given = quoted(name);
    if (hasValue) {
        given.append("=").append(quoted(value));
    }
    const auto note = [&](std::string_view form, std::string other = {},
                          std::string_view allowed = {}, double low = 0) {
        notes_.push_back({position, form, given, quoted(value), allowed, std::move(other), low, 0});
    };
    if (known == kNames.end()) {
        return note(kUnknownName);
    }
    const std::string word = lowered(trimmed(value));
    if (known->setting == Setting::Language) {
        if (language_) {
            return note(kRepeated, givenLanguage_);
        }
        const auto codes = Language::codes();
        if (std::find(codes.begin(), codes.end(), word) == codes.end()) {
            return note(kBadWord, languageCodes());
        }
        language_ = word;
        givenLanguage_ = given;
        languagePosition_ = position;
        return;
    }
    // A value refused here does not count as given: a later valid one for the same setting
    // is taken.
    const Rule& rule = ruleOf(known->setting);
    int taken = 0;
    if (!rule.words.empty()) {
        const auto in = [&word](const Words& w) {
            return std::find(w.begin(), w.end(), word) != w.end();
        };
        const auto words = std::find_if(rule.words.begin(), rule.words.end(), in);
        if (words == rule.words.end()) {
            return rule.allowed.empty() ? note(kBadWord, allowedWords(rule))
                                        : note(kBadWord, {}, rule.allowed);
        }
        const int v =
            static_cast<int>(std::find(words->begin(), words->end(), word) - words->begin());
        taken = known->inverted ? 1 - v : v;
    } else {
        const Number number = numberOf(trimmed(value), rule.scale);
        if (number.kind == Number::Kind::Malformed) {
            return note(kNotANumber);
        }
        if (number.kind == Number::Kind::BetweenSteps) {
            return note(kBetweenSteps, {}, {}, 1 / rule.scale);
        }
        taken = static_cast<int>(number.steps);
    }
    const std::size_t i = index(known->setting);
    if (values_[i]) {
        // Kept in case the first turns out beyond its control's range (see fitTo).
        later_.push_back({i, notes_.size(), taken});
        return note(kRepeated, givenParts_[i]);
    }
    givenParts_[i] = given;
    positions_[i] = position;
    values_[i] = taken;
}

void Setup::leaveLanguageTo(std::string_view chooser, std::string_view code) {
    if (language_ && *language_ != code) {
        notes_.push_back(
            {languagePosition_, kLanguageLeft, givenLanguage_, {}, {}, quoted(chooser), 0, 0});
        language_.reset();
    }
}

void Setup::addNote(std::string_view form, std::string_view ignored, std::string_view counting) {
    notes_.push_back({0, form, quoted(ignored), {}, {}, quoted(counting), 0, 0});
}

Setup Setup::of(const Instrument& instrument) {
    Setup setup;
    for (std::size_t i = 0; i < kApplied; ++i) {
        if (!isSent(static_cast<Setting>(i))) {
            setup.values_[i] = current(instrument, static_cast<Setting>(i));
        }
    }
    return setup;
}

void Setup::takeFrom(const Setup& given) {
    for (std::size_t i = 0; i < kApplied; ++i) {
        if (given.values_[i]) {
            values_[i] = given.values_[i];
        }
    }
}

void Setup::fitTo(const Instrument& instrument) {
    for (std::size_t i = 0; i < kApplied; ++i) {
        const Rule& rule = ruleOf(static_cast<Setting>(i));
        if (!values_[i] || !rule.words.empty()) {
            continue;
        }
        const Panels::ScrollRange range = rangeOf(rule, instrument);
        const auto outside = [&range](int v) { return v < range.minimum || v > range.maximum; };
        if (!outside(*values_[i])) {
            continue;
        }
        const auto outOfRange = [&](std::size_t position, const std::string& given) {
            return Note{position,
                        kOutOfRange,
                        given,
                        {},
                        {},
                        {},
                        range.minimum / rule.scale,
                        range.maximum / rule.scale};
        };
        notes_.push_back(outOfRange(positions_[i], givenParts_[i]));
        values_[i].reset();
        // The first later value within the range counts in its place; the ones after it are
        // noted as repeating it, those beyond the range as beyond it.
        for (const Later& later : later_) {
            Note& note = notes_[later.note];
            if (later.setting != i) {
                continue;
            }
            if (outside(later.value)) {
                note = outOfRange(note.position, note.given);
            } else if (!values_[i]) {
                values_[i] = later.value;
                positions_[i] = note.position;
                givenParts_[i] = note.given;
                note.form = {};
            } else {
                note.other = givenParts_[i];
            }
        }
    }
}

void Setup::applyTo(Instrument& instrument) {
    fitTo(instrument);
    for (std::size_t i = 0; i < kApplied; ++i) {
        const auto setting = static_cast<Setting>(i);
        if (!values_[i]) {
            continue;
        }
        const int wanted = *values_[i];
        const Rule& rule = ruleOf(setting);
        if (setting == Setting::Train) {
            instrument.sendTrain(wanted);
        } else if (setting == Setting::Pulse) {
            if (wanted == 1) {
                instrument.click(rule.control);
            }
        } else if (rule.words.empty()) {
            instrument.setBar(rule.control, wanted);
        } else if (current(instrument, setting) != wanted) {
            // The carrier is chosen by its option; every other setting by its switch.
            instrument.click(setting == Setting::Carrier && wanted == 0 ? Role::kTorsionOption
                                                                        : rule.control);
        }
    }
}

std::string Setup::text(std::string_view language) const {
    std::string out;
    for (std::size_t i = 0; i < kApplied; ++i) {
        if (!values_[i]) {
            continue;
        }
        const auto setting = static_cast<Setting>(i);
        const Rule& rule = ruleOf(setting);
        const std::string value =
            rule.words.empty()
                ? linkNumber(*values_[i], rule.scale)
                : std::string(rule.words[rule.linkWords][std::size_t(*values_[i] != 0)]);
        out += out.empty() ? "" : "&";
        out.append(linkName(setting)).append("=").append(value);
    }
    if (!language.empty()) {
        out += out.empty() ? "" : "&";
        out.append(linkName(Setting::Language)).append("=").append(QueryText::encoded(language));
    }
    return out;
}

std::vector<std::string> Setup::notes() const {
    std::vector<Note> sorted = notes_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Note& a, const Note& b) { return a.position < b.position; });
    std::vector<std::string> lines;
    std::erase_if(sorted, [](const Note& n) { return n.form.empty(); });
    for (const Note& n : sorted) {
        if (lines.size() == kShownNotes) {
            const std::string more[] = {std::to_string(sorted.size() - kShownNotes)};
            lines.push_back(filled(Language::translate(kMore), more));
            break;
        }
        const std::string parts[] = {n.given, n.value,
                                     !n.allowed.empty()
                                         ? std::string(Language::translate(n.allowed))
                                     : !n.other.empty() ? n.other
                                                        : shown(n.low),
                                     shown(n.high)};
        lines.push_back(filled(Language::translate(n.form), parts));
    }
    return lines;
}

std::string_view Setup::notesHeading() {
    return Language::translate(kHeading);
}

std::vector<Setup::Help> Setup::help(const Instrument& instrument) {
    std::vector<Help> lines;
    const auto names = [](Setting setting, bool inverted) {
        std::string list;
        for (const Name& n : kNames) {
            if (n.setting == setting && n.inverted == inverted) {
                list.append(list.empty() ? "" : ", ").append(n.text);
            }
        }
        return list;
    };
    for (std::size_t i = 0; i < kApplied; ++i) {
        const auto setting = static_cast<Setting>(i);
        const Rule& rule = ruleOf(setting);
        if (setting == Setting::Pulse) {
            // The reversed names of the halt beneath its own.
            const std::string reversed[] = {lines.back().values,
                                            std::string(linkName(Setting::Halt))};
            lines.push_back(
                {names(Setting::Halt, true), filled(Language::translate(kReversed), reversed)});
        }
        if (!rule.words.empty()) {
            lines.push_back({names(setting, false), allowedWords(rule)});
            continue;
        }
        const Panels::ScrollRange range = rangeOf(rule, instrument);
        const std::string parts[] = {shown(range.minimum / rule.scale),
                                     shown(range.maximum / rule.scale), shown(1 / rule.scale)};
        lines.push_back({names(setting, false), filled(Language::translate(kRange), parts)});
    }
    // The prepared experiments, by number.
    const std::string experiments[] = {"1", std::to_string(Experiments::kExperiments.size()), "1"};
    lines.push_back({"versuch, experiment", filled(Language::translate(kRange), experiments)});
    lines.push_back({names(Setting::Language, false), languageCodes()});
    return lines;
}
