#include "reference/Keywords.h"

#include <array>
#include <iterator>

namespace quaeryn {

namespace {

constexpr const char* kCrLf = "\r\n";

struct PlanetText {
    const char* name;
    const char* description;
    const char* best;
    const char* worst;
    const char* thought;
};

struct SignText {
    const char* name;
    const char* where;  // completes "In the house where <sign> rules the cusp is where:"
    const char* best;
    const char* worst;
    const char* thought;
};

struct SimpleText {
    const char* name;
    const char* text;
};

// The planets: a description, then the three keywords.
const PlanetText kPlanets[] = {
    {"Sun",
     "The Sun rules Leo, is exalted in Aries and is hot and dry, the masculine light of the day. "
     "In horary it signifies kings, fathers, husbands, employers and men in authority, as well as "
     "gold, honours and whatever is in plain view. It stands for vitality, purpose and the will to "
     "be seen and respected.",
     "Rulership", "Dictativeness", "Power"},
    {"Moon",
     "The Moon rules Cancer, is exalted in Taurus and is cold and moist, the feminine light of the "
     "night. In horary she is co-significator of the querent in every question and signifies "
     "mothers, wives, women, the common people, journeys and the flow of events; her next aspect "
     "shows what happens next. She stands for feelings, habits, memory and the need for safety.",
     "Adaptability", "Inconstancy", "Domestic"},
    {"Mercury",
     "Mercury rules Gemini and Virgo, is exalted in Virgo and is cold and dry, though it readily "
     "takes on the nature of the planet it joins. In horary it signifies young people, clerks, "
     "scholars, merchants, messengers and thieves, and letters, papers, contracts and news. It "
     "stands for the mind, speech, learning and trade.",
     "Expression", "Restlessness", "Intellectual"},
    {"Venus",
     "Venus rules Taurus and Libra, is exalted in Pisces and is cold and moist, the lesser "
     "benefic. In horary she signifies wives, sweethearts and young women, pleasure, clothes, "
     "jewels, music and all things beautiful; in questions of love she is the woman's "
     "significator. She stands for love, harmony, affection and the wish to please.",
     "Affection", "Pliancy (bending too easily, taking the easy way out)", "Social"},
    {"Mars",
     "Mars rules Aries and Scorpio, is exalted in Capricorn and is hot and dry, the lesser "
     "malefic. In horary he signifies soldiers, surgeons, butchers, enemies and quarrels, and "
     "fire, blades, accidents and fevers; in questions of love he is the man's significator. He "
     "stands for courage, desire, drive and the will to fight.",
     "Initiative", "Harshness", "Aggressive"},
    {"Jupiter",
     "Jupiter rules Sagittarius and Pisces, is exalted in Cancer and is temperately hot and moist, "
     "the greater benefic. In horary he signifies judges, clergy, lawyers, bankers and wealthy "
     "men, and gain, increase and good counsel; he furthers any matter he beholds by a good "
     "aspect. He stands for faith, wisdom, growth and good fortune.",
     "Benevolence (kindness)", "Conceit", "Religious"},
    {"Saturn",
     "Saturn rules Capricorn and Aquarius, is exalted in Libra and is cold and dry, the greater "
     "malefic. In horary he signifies old men, fathers, farmers, miners, land and buildings, and "
     "delays, losses, prisons and long illness; he slows or denies what he touches. He stands for "
     "time, limits, duty and the lessons of experience.",
     "System and organization", "Selfishness", "Safety"},
    {"Uranus",
     "Uranus, found in 1781, is not one of the seven planets of tradition, so the old authors give "
     "it no sign, no temperament and no part in judgement; modern astrologers give it the "
     "rulership of Aquarius. Where it is used in horary it shows sudden and unexpected turns, "
     "breaks, inventions, electricity and people who go their own way. It stands for change, "
     "independence and awakening.",
     "Originality", "Eccentricity", "Individualistic"},
    {"Neptune",
     "Neptune, found in 1846, is not one of the seven planets of tradition and has no place in the "
     "old rules; modern astrologers give it the rulership of Pisces. Where it is used in horary it "
     "shows confusion, deceit, mistakes, the sea, drugs and matters that are hidden or slowly "
     "dissolve. It stands for imagination, compassion and the longing for an ideal.",
     "Idealism", "Vagueness", "Utopian"},
    {"Pluto",
     "Pluto, found in 1930, is not one of the seven planets of tradition and has no place in the "
     "old rules; modern astrologers give it the rulership of Scorpio. Where it is used in horary "
     "it shows hidden power, crises, endings that clear the way, other people's money and forces "
     "beyond the querent's control. It stands for transformation, renewal and the power to begin "
     "again.",
     "Spirituality", "Inversion (turning things upside down)", "Universal welfare"},
};

// The signs: what the house whose cusp the sign rules is for, then the
// three keywords.
const SignText kSigns[] = {
    {"Aries",
     "you act first and learn to stand on your own, starting things with courage and enthusiasm. "
     "Aries is the day house of Mars and the exaltation of the Sun: hot and dry, cardinal, fiery, "
     "masculine and eastern. Impatience is the danger here, and so is leaving things half done.",
     "Leadership", "Officiousness (minding other people's business, meddling)", "Egotistical"},
    {"Taurus",
     "you build security slowly and hold on to what you value, in money, comfort and the pleasures "
     "of the senses. Taurus is the night house of Venus and the exaltation of the Moon: cold and "
     "dry, fixed, earthy, feminine and southern. Patience brings results here, but stubbornness "
     "can keep you stuck.",
     "Stability", "Obstinacy", "Possessive"},
    {"Gemini",
     "you learn, talk, write and move about, and need variety to stay interested. Gemini is the "
     "day house of Mercury: hot and moist, common (double-bodied), airy, masculine and western. "
     "Curiosity serves you well here, though your attention scatters easily.",
     "Versatility", "Changeableness", "Thought"},
    {"Cancer",
     "you need to feel safe, cared for and at home, and where you care for others in turn. Cancer "
     "is the house of the Moon and the exaltation of Jupiter: cold and moist, cardinal, watery, "
     "feminine and northern. Feelings run deep here, and old hurts are slow to heal.",
     "Tenacity", "Touchiness", "Feeling"},
    {"Leo",
     "you want to shine, create and be recognised for who you are. Leo is the house of the Sun: "
     "hot and dry, fixed, fiery, masculine and eastern. Warmth and generosity win you support "
     "here, while pride can lose it.",
     "Kindness", "Domination", "Will"},
    {"Virgo",
     "you sort, analyse and improve things, and serve through careful, practical work. Virgo is "
     "the night house of Mercury and also its exaltation: cold and dry, common, earthy, feminine "
     "and southern. Skill and attention to detail pay off here, if worry and fault-finding do not "
     "take over.",
     "Analysis", "Criticism", "Analytical"},
    {"Libra",
     "you seek balance, fairness and partnership, and learn through your dealings with others. "
     "Libra is the day house of Venus and the exaltation of Saturn: hot and moist, cardinal, airy, "
     "masculine and western. Tact is your strength here, and indecision your trap.",
     "Affability", "Approbation (always needing approval)", "Equilibrium"},
    {"Scorpio",
     "you meet strong feelings and hidden matters, and are pushed to change deeply. Scorpio is the "
     "night house of Mars: cold and moist, fixed, watery, feminine and northern. Determination and "
     "insight carry you through here, but jealousy and secrecy can turn against you.",
     "Resourcefulness", "Troublesomeness", "Desire"},
    {"Sagittarius",
     "you look for meaning, freedom and wider horizons through travel, study and belief. "
     "Sagittarius is the day house of Jupiter: hot and dry, common, fiery, masculine and eastern. "
     "Optimism opens doors here, as long as it does not turn into carelessness.",
     "Loyalty", "Sportiveness", "Comprehension"},
    {"Capricorn",
     "you work patiently toward position and achievement, and take on responsibility. Capricorn is "
     "the night house of Saturn and the exaltation of Mars: cold and dry, cardinal, earthy, "
     "feminine and southern. Discipline brings lasting results here, though you may be too hard on "
     "yourself and on others.",
     "Diplomacy", "Deceitfulness", "Utility"},
    {"Aquarius",
     "you stand apart, think for yourself and work with others toward shared ideals. Aquarius is "
     "the day house of Saturn: hot and moist, fixed, airy, masculine and western. Original ideas "
     "flourish here, and so can a cool, contrary streak.",
     "Altruism", "Argumentation", "Knowledge"},
    {"Pisces",
     "you feel for others, give of yourself and look beyond the everyday world. Pisces is the "
     "night house of Jupiter and the exaltation of Venus: cold and moist, common, watery, feminine "
     "and northern. Compassion and imagination are your gifts here, and vagueness and escape your "
     "dangers.",
     "Sympathy", "Worry", "Belief"},
};

// The houses: one sentence of keywords each.
const SimpleText kHouses[] = {
    {"1st house",
     "The querent, life and body, appearance and temperament, the beginning of a matter, the way "
     "one meets the world."},
    {"2nd house",
     "Money and possessions, values, hidden talents, sense of self-worth, self-esteem."},
    {"3rd house",
     "Brothers and sisters, neighbours, short journeys, letters, messages and rumours, everyday "
     "speech and early learning."},
    {"4th house",
     "The father, home, land and houses, hidden treasure, the grave and the end of the matter, "
     "roots and family."},
    {"5th house",
     "Children and pregnancy, pleasure, games and gambling, feasts, messengers and envoys, love "
     "affairs, creative work."},
    {"6th house",
     "Sickness, servants and employees, small animals, daily work and routine, habits of health, "
     "service to others."},
    {"7th house",
     "Partners and marriage, open enemies, the other party, thieves in horary, contracts and "
     "dealings, any person not otherwise shown."},
    {"8th house",
     "Death, wills and legacies, the partner's money, debts, fear and anguish, shared resources, "
     "crisis and transformation."},
    {"9th house",
     "Long journeys and foreign lands, religion and the clergy, law, higher learning, dreams and "
     "visions, philosophy."},
    {"10th house",
     "Honour and career, kings, employers and those in authority, the mother, the judge, "
     "reputation and public standing."},
    {"11th house",
     "Friends and allies, hopes and wishes, patrons and favour, the king's treasury, groups and "
     "help from others."},
    {"12th house",
     "Secret enemies, prisons and confinement, large animals, hidden sorrows, self-undoing, "
     "hospitals and retreat."},
};

// The elements: one sentence of keywords each.
const SimpleText kElements[] = {
    {"Fire",
     "Hot and dry, choleric, energetic, enthusiastic, courageous, inspired, impulsive, eager for "
     "action and self-expression."},
    {"Earth",
     "Cold and dry, melancholic, practical, steady, cautious, patient, realistic, concerned with "
     "the material world."},
    {"Air",
     "Hot and moist, sanguine, sociable, communicative, thoughtful, detached, concerned with ideas "
     "and relationships."},
    {"Water",
     "Cold and moist, phlegmatic, feeling, sensitive, receptive, intuitive, protective, responsive "
     "to moods and atmosphere."},
};

// The qualities: one sentence of keywords each.
const SimpleText kQualities[] = {
    {"Cardinal",
     "Initiates action, forceful activity, concerned about the here and now, lives in the moment, "
     "starts things."},
    {"Fixed",
     "Stable and lasting, slow to start and slow to stop, persistent, determined, loyal, holds on, "
     "sees things through."},
    {"Common",
     "Double-bodied and changeable, adaptable, versatile, restless, sees both sides, things happen "
     "more than once."},
};

const char* const kAspectsLines[] = {
    "Conjunction    =  Prominence      Semi-sextile =  Growth",
    "Sextile        =  Opportunity     Square       =  Obstacle",
    "Trine          =  Luck            Quincunx     =  Expansion",
    "Semi-square    =  Friction        Opposition   =  Separation",
    "Sesquisquare   =  Agitation       Parallel     =  Intensity",
};

const char* const kSymbolismLines[] = {
    "A chart is read by putting four kinds of symbol together.",
    "The planets are the actors: each stands for a drive, a person",
    "or a thing. The signs show how a planet acts, colouring it",
    "with their element and quality and strengthening or weakening",
    "it by its dignity there. The houses show where in life the",
    "action takes place: money, home, partners, career and so on.",
    "The aspects show how the actors meet: easily by sextile and",
    "trine, with effort by square and opposition. Read together",
    "they make a sentence: this planet, in this sign and house,",
    "meets that planet in this way.",
};

const char* const kGeneral1Lines[] = {
    "Astrology rests on an old idea: as above, so below. The sky",
    "at a given moment and the things that begin at that moment",
    "share one quality, so a chart of the moment describes what is",
    "born in it, whether a person, an enterprise or a question.",
    "The planets force nothing. They are signs to be read, as a",
    "clock shows the time without making it. The old authors held",
    "that the wise work with the stars and are not ruled by them.",
};

const char* const kGeneral2Lines[] = {
    "Horary astrology answers a question from a chart cast for",
    "the moment the astrologer receives and understands it.",
    "The querent is shown by the ascendant and its ruler, with",
    "the Moon as co-significator; the thing asked about is shown",
    "by the ruler of the house that governs it. When the two",
    "significators apply to an aspect, or a third planet carries",
    "the light between them, the matter comes to pass; when they",
    "separate, or another planet gets in the way, it does not.",
    "The Moon's next aspect often shows how the matter unfolds.",
};

const char* const kGeneral3Lines[] = {
    "A horary chart is radical, fit to be judged, when it truly",
    "describes the querent and the matter. Ask one question that",
    "you sincerely mean, and ask it once; a chart cast for idle",
    "curiosity, or for a question asked again and again, says",
    "little. The old authors list strictures that warn against",
    "judging: an ascendant in the first or last three degrees of",
    "its sign, the Moon in the last degrees of a sign or in the",
    "Via Combusta, Saturn in the 1st or 7th house or ruling the",
    "7th. Heed them, look again, and judge only what the chart",
    "plainly shows.",
};

struct LinesText {
    const char* name;
    const char* const* first;
    const char* const* last;
};

template <std::size_t N>
LinesText Lines(const char* name, const char* const (&lines)[N]) {
    return {name, std::begin(lines), std::end(lines)};
}

const std::array<LinesText, 3>& GeneralTexts() {
    static const std::array<LinesText, 3> texts = {
        Lines("General 1", kGeneral1Lines), Lines("General 2", kGeneral2Lines), Lines("General 3", kGeneral3Lines)};
    return texts;
}

std::string KeywordLines(const char* best, const char* worst, const char* thought) {
    return std::string("Best quality: ") + best + kCrLf + "Worst quality: " + worst + kCrLf +
           "Thought series: " + thought + kCrLf;
}

std::string JoinLines(const LinesText& text) {
    std::string message;
    for (auto line = text.first; line != text.last; ++line) message += std::string(*line) + kCrLf;
    return message;
}

// The grid, row by row: planets, signs, houses, and the fourth column.
const char* const kGrid[kKeywordRows][kKeywordColumns] = {
    {"Sun", "Aries", "1st house", "Fire"},
    {"Moon", "Taurus", "2nd house", "Earth"},
    {"Mercury", "Gemini", "3rd house", "Air"},
    {"Venus", "Cancer", "4th house", "Water"},
    {"Mars", "Leo", "5th house", ""},
    {"Jupiter", "Virgo", "6th house", "Cardinal"},
    {"Saturn", "Libra", "7th house", "Fixed"},
    {"Uranus", "Scorpio", "8th house", "Common"},
    {"Neptune", "Sagittarius", "9th house", ""},
    {"Pluto", "Capricorn", "10th house", "General 1"},
    {"Aspects", "Aquarius", "11th house", "General 2"},
    {"Symbolism", "Pisces", "12th house", "General 3"},
};

}  // namespace

std::string KeywordCell(int row, int column) {
    if (row < 0 || row >= kKeywordRows || column < 0 || column >= kKeywordColumns) return {};
    return kGrid[row][column];
}

std::optional<std::string> KeywordText(const std::string& topic) {
    if (topic.empty()) return std::nullopt;
    for (const auto& p : kPlanets)
        if (topic == p.name) return std::string(p.description) + kCrLf + kCrLf + KeywordLines(p.best, p.worst, p.thought);
    for (const auto& e : kElements)
        if (topic == e.name) return std::string(e.text) + kCrLf;
    for (const auto& q : kQualities)
        if (topic == q.name) return std::string(q.text) + kCrLf;
    for (const auto& h : kHouses)
        if (topic == h.name) return std::string(h.text) + kCrLf;
    for (const auto& s : kSigns)
        if (topic == s.name)
            return std::string("In the house where ") + s.name + " rules the cusp is where:" + kCrLf + kCrLf + s.where +
                   kCrLf + kCrLf + KeywordLines(s.best, s.worst, s.thought);
    for (const auto& g : GeneralTexts())
        if (topic == g.name) return JoinLines(g);
    if (topic == "Symbolism") return JoinLines(Lines("Symbolism", kSymbolismLines));
    if (topic == "Aspects") return JoinLines(Lines("Aspects", kAspectsLines));
    return std::nullopt;
}

std::optional<PromptMessage> KeywordMessage(const std::string& cellText) {
    auto text = KeywordText(cellText);
    if (!text) return std::nullopt;
    return PromptMessage{"keyword", cellText, std::move(*text), "", PromptIcon::Information, PromptButtons::Ok};
}

}  // namespace quaeryn
