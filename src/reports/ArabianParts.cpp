// The Arabian parts report: the 126 parts two to a line, the note that
// points to their formulas in the help, and the contacts with the planets.
#include "reports/ArabianParts.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "astro/BodyContacts.h"
#include "base/Numbers.h"
#include "base/Position.h"
#include "base/Vocabulary.h"
#include "base/Zodiac.h"
#include "reports/NatalReports.h"

namespace quaeryn {

namespace {

using namespace body;

struct PartText {
    std::string_view name;
    std::string_view formula;
};

// The parts in the report's order: the left column takes the odd entries,
// the right column the even ones. Parts that differ by day and by night are
// separate entries ("FORTUNE, day" and "FORTUNE, night").
constexpr std::array<PartText, 126> kParts = {{
    {"ABANDONMENT", "Neptune + Asc - Pluto"},
    {"ADDICTION 1", "Neptune + Asc - Pluto"},
    {"ADDICTION 2", "Pluto + Asc - Neptune"},
    {"ANXIETY", "Pluto + Asc - Uranus"},
    {"ASSASSINATION 1", "Mars + Neptune - Uranus"},
    {"ASSASSINATION 2", "Mars + Uranus - Neptune"},
    {"ASSAULT 1", "Saturn + Moon - MC"},
    {"ASSAULT 2", "Mars + Uranus - Venus"},
    {"ASTROLOGY", "Mercury + Asc - Uranus"},
    {"BANKRUPTCY", "Jupiter + Jupiter - Uranus"},
    {"BRETHREN", "Saturn + Asc - Jupiter"},
    {"BRUTALITY 1", "Mars + Pluto - Saturn"},
    {"BRUTALITY 2", "Mars + Saturn - Pluto"},
    {"CANCER MALIGN.", "Neptune + Asc - Jupiter"},
    {"CATASTROPHE", "Uranus + Asc - Sun"},
    {"CHANGE-RADICAL", "Pluto + Asc - Uranus"},
    {"CHILD, FEMALE", "Venus + Asc - Moon"},
    {"CHILD, MALE", "Jupiter + Asc - Moon"},
    {"COMMERCE", "Mercury + Asc - Sun"},
    {"DEATH", "cusp 8 + Asc - Moon"},
    {"DEATH, PARENTS", "Jupiter + Asc - Saturn"},
    {"DEATH, POINT", "Mars + Saturn - MC"},
    {"DEATH/SEP.", "Saturn + Asc - Mars"},
    {"DEATH, SIBLING", "Asc + 70 - Sun"},
    {"DECEIT", "Venus + Asc - Neptune"},
    {"DECEIT (LOVE)", "Neptune + Asc - Venus"},
    {"DEGRADATION", "Sun + Asc - Neptune"},
    {"DEPENDENCY", "Neptune + Asc - Moon"},
    {"DEPRESSION", "Neptune + Asc - Mars"},
    {"DESTINY", "Sun + MC - Moon"},
    {"DISASTER 1", "Pluto + Asc - Mars"},
    {"DISASTER 2", "Mars + Asc - Pluto"},
    {"DISASTER 3", "Uranus + Pluto - Mars"},
    {"DISCORD", "Jupiter + Asc - Mars"},
    {"DIVORCE", "Venus + Asc - cusp 7"},
    {"FAITH & TRUST", "Mercury + Asc - Moon"},
    {"FAME/MONEY 1", "Jupiter + Asc - Sun"},
    {"FAME/MONEY 2", "Sun + Asc - Jupiter"},
    {"FASCINATION", "Venus + Asc - Uranus"},
    {"FATHER", "Sun + Asc - Saturn"},
    {"FORCE 1", "Mars + Pluto - Uranus"},
    {"FORCE 2", "Mars + Uranus - Pluto"},
    {"FORTUNE, day", "Moon + Asc - Sun"},
    {"FORTUNE, night", "Sun + Asc - Moon"},
    {"FRAUD", "Neptune + Asc - Mercury"},
    {"FRIENDS", "Moon + Asc - Uranus"},
    {"FRIENDSHIP", "Asc + Spirit - Fortune"},
    {"FRUGALITY", "Saturn + Asc - Venus"},
    {"HAPPINESS", "Uranus + Asc - Jupiter"},
    {"HEAD INJURY 1", "Mars + cusp 8 - Moon"},
    {"HEAD INJURY 2", "cusp 8 + Moon - Mars"},
    {"HOMOSEXUAL", "Mars + Asc - Uranus"},
    {"HONOR", "Asc + 19 - Sun"},
    {"ILLUMINATION 1", "Uranus + MC - Neptune"},
    {"ILLUMINATION 2", "Uranus + Asc - Neptune"},
    {"ILLUMINATION 3", "Neptune + MC - Uranus"},
    {"ILLUMINATION 4", "Neptune + Asc - Uranus"},
    {"IMPRISONMENT", "Asc + Fortune - Saturn"},
    {"INDIVIDUALITY", "Sun + Asc - Uranus"},
    {"INHERITANCE", "Moon + Asc - Saturn"},
    {"JEALOUSY", "Venus + Saturn - Mars"},
    {"KARMA", "Saturn + Asc - Sun"},
    {"LAWSUITS", "Mercury + Asc - Mars"},
    {"LEGAL AFFAIRS", "cusp 3 + cusp 9 - Venus"},
    {"LOVE", "Venus + Asc - Sun"},
    {"LOVERS", "Venus + Mars - cusp 5"},
    {"LUCK 1", "Moon + Asc - Jupiter"},
    {"LUCK 2", "Jupiter + Asc - Uranus"},
    {"MARRIAGE", "cusp 7 + Asc - Venus"},
    {"MARRIAGE, MAN", "Venus + Asc - Saturn"},
    {"MARRIAGE, WOMAN", "Saturn + Asc - Venus"},
    {"MOTHER", "Moon + Asc - Venus"},
    {"MOTHER/FAMILY", "Jupiter + Asc - Venus"},
    {"OBSESSION", "Venus + Mars - Uranus"},
    {"OPPRESSED", "Uranus + Asc - Saturn"},
    {"ORGANIZATION", "Pluto + Asc - Sun"},
    {"PASSION", "Mars + Asc - Venus"},
    {"PERVERSION", "Venus + Mars - Neptune"},
    {"PLAY", "Venus + Asc - Mars"},
    {"POLICE", "Saturn + Asc - Mars"},
    {"PRFL. FRIENDS", "Sun + Asc - Fortune"},
    {"QUAKE 1a", "Mars + Pluto - Saturn"},
    {"QUAKE 1b", "Mars + Saturn - Pluto"},
    {"QUAKE 1c", "Saturn + Pluto - Mars"},
    {"QUAKE 2a", "Mars + Pluto - Uranus"},
    {"QUAKE 2b", "Mars + Uranus - Pluto"},
    {"QUAKE 2c", "Uranus + Pluto - Mars"},
    {"QUAKE 3a", "Saturn + MC - Moon"},
    {"QUAKE 3b", "Moon + MC - Saturn"},
    {"QUAKE 3c", "Saturn + Moon - MC"},
    {"QUAKE 4a", "Pluto + Asc - Saturn"},
    {"QUAKE 4b", "Saturn + Asc - Pluto"},
    {"QUAKE 4c", "Saturn + Pluto - Asc"},
    {"RAGE/MURDER 1", "Pluto + Asc - Saturn"},
    {"RAGE/MURDER 2", "Saturn + Asc - Pluto"},
    {"RAPE 1", "Mars + Pluto - Venus"},
    {"RAPE 2", "Venus + Mars - Pluto"},
    {"SELF-UNDOING", "cusp 12 + Asc - Neptune"},
    {"SEX DRIVE", "Pluto + Asc - Venus"},
    {"SICKNESS", "Mars + Asc - Saturn"},
    {"SLANDER", "Saturn + Asc - Neptune"},
    {"SORROW 1", "Moon + Asc - Sun + Asc - Neptune"},
    {"SORROW 2", "Sun + Asc - Moon + Asc - Neptune"},
    {"SOUL", "cusp 4 + Moon - Sun"},
    {"SPECULATION", "cusp 5 + Asc - Jupiter"},
    {"SPIRIT, day", "Sun + Asc - Moon"},
    {"SPIRIT, night", "Moon + Asc - Sun"},
    {"SUCCESS, day", "Sun + Jupiter - Moon"},
    {"SUCCESS, night", "Jupiter + Moon - Sun"},
    {"SUDDEN ADVANCE", "Asc + Fortune - Saturn"},
    {"SUDDEN PARTING", "Saturn + Asc - Uranus"},
    {"SUFFERING 1", "Neptune + Asc - Saturn"},
    {"SUFFERING 2", "Saturn + Asc - Neptune"},
    {"SUICIDE 1", "cusp 8 + Asc - Neptune"},
    {"SUICIDE 2", "Asc - cusp 8 + Neptune"},
    {"SURGERY", "Saturn + Asc - Mars"},
    {"TERMINATION", "Uranus + Asc - Neptune"},
    {"TORTURE 1", "Saturn + MC - Moon"},
    {"TORTURE 2", "Moon + MC - Saturn"},
    {"TRANSFORM 1", "Pluto + Asc - Uranus"},
    {"TRANSFORM 2", "Uranus + Asc - Pluto"},
    {"TREACHERY", "Neptune + Asc - Sun"},
    {"UNDERSTANDING", "Mars + Asc - Mercury"},
    {"VICTORY/AID", "Jupiter + Asc - Spirit"},
    {"VIOLENCE", "Mars + Uranus - Saturn"},
    {"WIDOWHOOD", "Asc + 189.8 - Neptune"},
}};

// The words of a formula and the chart points they name.
struct PointWord {
    std::string_view word;
    PartOperand::Kind kind;
    int number;
};
constexpr std::array<PointWord, 14> kPointWords = {{
    {"Sun", PartOperand::Kind::Body, Sun},
    {"Mercury", PartOperand::Kind::Body, Mercury},
    {"Venus", PartOperand::Kind::Body, Venus},
    {"Mars", PartOperand::Kind::Body, Mars},
    {"Jupiter", PartOperand::Kind::Body, Jupiter},
    {"Saturn", PartOperand::Kind::Body, Saturn},
    {"Uranus", PartOperand::Kind::Body, Uranus},
    {"Neptune", PartOperand::Kind::Body, Neptune},
    {"Pluto", PartOperand::Kind::Body, Pluto},
    {"Moon", PartOperand::Kind::Body, Moon},
    {"Asc", PartOperand::Kind::Body, Ascendant},
    {"MC", PartOperand::Kind::Body, Midheaven},
    {"Fortune", PartOperand::Kind::Fortune, 0},
    {"Spirit", PartOperand::Kind::Spirit, 0},
}};

PartOperand ParseOperand(std::string_view word, int sign) {
    for (const PointWord& p : kPointWords)
        if (p.word == word) return {p.kind, static_cast<double>(p.number), sign};
    if (word.rfind("cusp ", 0) == 0) {
        const std::string_view house = word.substr(5);
        const double h = NumericValue(house);
        if (IsNumberText(house) && h >= 1 && h <= 12 && std::floor(h) == h)
            return {PartOperand::Kind::Cusp, h, sign};
    } else if (IsNumberText(word)) {
        return {PartOperand::Kind::Degrees, NumericValue(word), sign};
    }
    throw std::invalid_argument("unknown point in a part's formula: " + std::string(word));
}

std::vector<ArabianPart> BuildParts() {
    std::vector<ArabianPart> parts;
    parts.reserve(kParts.size());
    for (const PartText& p : kParts) parts.push_back({p.name, p.formula, ParsePartFormula(p.formula)});
    return parts;
}

double OperandValue(const PartOperand& o, const ChartState& chart, double fortune, double spirit) {
    const int n = static_cast<int>(o.value);
    switch (o.kind) {
        case PartOperand::Kind::Body: return chart.ChartLongitude[n];
        case PartOperand::Kind::Cusp: return chart.ChartCusp[n >= 10 ? n - 9 : n + 3];  // display order
        case PartOperand::Kind::Degrees: return o.value;
        case PartOperand::Kind::Fortune: return fortune;
        case PartOperand::Kind::Spirit: return spirit;
    }
    return 0;
}

double PartLongitudeWith(const ArabianPart& part, const ChartState& chart, double fortune, double spirit) {
    double sum = 0;
    for (const PartOperand& o : part.operands) sum += o.sign * OperandValue(o, chart, fortune, spirit);
    return Normalize360(sum);
}

// The part's name right-aligned in sixteen characters.
std::string Label(std::string_view name) {
    if (name.size() >= 16) return std::string(name.substr(0, 16));
    return std::string(16 - name.size(), ' ') + std::string(name);
}

// The labels of the parts, in their order.
const std::vector<std::string>& Labels() {
    static const std::vector<std::string> labels = [] {
        std::vector<std::string> all;
        for (const ArabianPart& p : ArabianParts()) all.push_back(Label(p.name));
        return all;
    }();
    return labels;
}

// The six orbs of options 118 to 123, each widened by the tolerance.
struct ContactOrbs {
    std::array<double, 6> orb{};
    explicit ContactOrbs(const Options& options) {
        for (std::size_t k = 0; k < orb.size(); ++k)
            orb[k] = static_cast<double>(options[118 + static_cast<int>(k)]) + kPartContactTolerance;
    }
};

PartContact FindContact(double d, const ContactOrbs& o) {
    if (d <= o.orb[0]) return PartContact::Conjunction;
    if (std::fabs(d - 60) <= o.orb[1]) return PartContact::Sextile;
    if (std::fabs(d - 90) <= o.orb[2]) return PartContact::Square;
    if (std::fabs(d - 120) <= o.orb[3]) return PartContact::Trine;
    if (std::fabs(d - 150) <= o.orb[4]) return PartContact::Inconjunct;
    if (d >= 180 - o.orb[5]) return PartContact::Opposition;
    return PartContact::None;
}

}  // namespace

std::vector<PartOperand> ParsePartFormula(std::string_view formula) {
    std::vector<PartOperand> operands;
    int sign = 1;
    while (true) {
        const auto plus = formula.find(" + "), minus = formula.find(" - ");
        const auto at = std::min(plus, minus);
        operands.push_back(ParseOperand(formula.substr(0, at), sign));
        if (at == std::string_view::npos) break;
        sign = at == plus ? 1 : -1;
        formula.remove_prefix(at + 3);
    }
    return operands;
}

std::span<const ArabianPart> ArabianParts() {
    static const std::vector<ArabianPart> parts = BuildParts();
    return parts;
}

double FortunePoint(const ChartState& chart) {
    return Normalize360(chart.ChartLongitude[Moon] + chart.ChartLongitude[Ascendant] - chart.ChartLongitude[Sun]);
}

double SpiritPoint(const ChartState& chart) {
    return Normalize360(chart.ChartLongitude[Sun] + chart.ChartLongitude[Ascendant] - chart.ChartLongitude[Moon]);
}

double PartLongitude(const ArabianPart& part, const ChartState& chart) {
    return PartLongitudeWith(part, chart, FortunePoint(chart), SpiritPoint(chart));
}

PartContact FindPartContact(double d, const Options& options) { return FindContact(d, ContactOrbs(options)); }

std::string_view PartContactWord(PartContact contact) {
    switch (contact) {
        case PartContact::Conjunction: return " CONJUNCTS   ";
        case PartContact::Sextile: return " sextiles    ";
        case PartContact::Square: return " squares     ";
        case PartContact::Trine: return " trines      ";
        case PartContact::Inconjunct: return " inconjuncts ";
        case PartContact::Opposition: return " OPPOSES     ";
        case PartContact::None: break;
    }
    return {};
}

void ArabianPartsReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    out.AppendBlankLine();
    out.AppendLine(std::string(5, ' ') + "Arabian Parts" + std::string(26, ' ') + "Arabian Parts");
    const double fortune = FortunePoint(chart), spirit = SpiritPoint(chart);
    const ContactOrbs orbs(context.options);
    const auto parts = ArabianParts();
    const auto& labels = Labels();
    std::vector<std::string> contacts;
    std::string line = "  ";
    bool left = true;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const double p = PartLongitudeWith(parts[k], chart, fortune, spirit);
        const std::string position = FormatPosition(p);
        const std::string& label = labels[k];
        line += position;
        line += " = ";
        line += label;
        for (int b = Sun; b <= Moon; ++b) {
            const PartContact contact = FindContact(Separation(p, chart.ChartLongitude[b]), orbs);
            if (contact == PartContact::None) continue;
            std::string text;
            text.reserve(50);
            text += "  (";
            text += position;
            text += ") ";
            text += label;
            text += PartContactWord(contact);
            text += BodyName10(b).substr(0, 7);
            contacts.push_back(std::move(text));
        }
        if (left) {
            line += std::string(11, ' ');
        } else {
            line += std::string(7, ' ');
            out.AppendLine(std::move(line));
            line.clear();
            line.reserve(80);
            line += "  ";
        }
        left = !left;
    }
    out.AppendBlankLine();
    out.AppendBlankLine();
    out.AppendLine("  See QUAERYN WINDOW under HELP for a list of the formulas used.");
    out.AppendBlankLine();
    out.AppendBlankLine();
    // Each contact is a line of its own, so the buffer counts it.
    for (auto& contact : contacts) out.AppendLine(std::move(contact));
}

}  // namespace quaeryn
