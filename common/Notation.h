// Cards, suits, seats and calls: their letters, integer codes and display tables, shared by
// the recorder, the screen readers and the report utility.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallowen {

// Strains keep their documented numbers: files, card codes and tables are indexed by them.
enum class Suit : int { Clubs = 0, Diamonds = 1, Hearts = 2, Spades = 3, NoTrump = 4 };
// Seats in table order; a seat's side (0 North-South, 1 East-West) is seat % 2.
enum class Seat : int { North = 0, East = 1, South = 2, West = 3 };

constexpr int ToInt(Suit s) {
    return static_cast<int>(s);
}
constexpr int ToInt(Seat s) {
    return static_cast<int>(s);
}
constexpr int kNoTrump = ToInt(Suit::NoTrump);
constexpr int kSeatCount = 4;
constexpr int kTrickCount = 13;
constexpr int SideOf(int seat) {
    return seat % 2;
}

// Rank characters at positions 1..14, suit letters at 15..18, mark brackets at 19..22. A
// card's rank is the 1-based position of its rank character here.
constexpr std::string_view kNotation = "123456789TJQKACDHS[]()";
// Position of "C"; the letter of suit i stands i places further on.
constexpr int kSuitLetterPos = 15;

// One row of the suit table. The colour value is a Windows colour reference (red in the
// low byte); the other columns serve the HTML pages.
struct SuitInfo {
    std::string_view letter;
    std::string_view colourName;
    std::uint32_t colourValue = 0;
    std::string_view cssClass;
    std::string_view htmlEntity;
    int symbolCode = 0;
    std::string_view imageFile;
    std::string_view markSize;  // percent of the font size
};

constexpr std::uint32_t ColourRef(int red, int green, int blue) {
    return std::uint32_t(red) | (std::uint32_t(green) << 8) | (std::uint32_t(blue) << 16);
}

inline constexpr std::array<SuitInfo, 5> kSuitTable{{
    {"C", "blue", ColourRef(0, 0, 255), "clb", "&clubs;", 167, "C.gif", "90"},
    {"D", "fuchsia", ColourRef(255, 0, 255), "dmd", "&diams;", 168, "D.gif", "120"},
    {"H", "red", ColourRef(255, 0, 0), "hrt", "&hearts;", 169, "H.gif", "90"},
    {"S", "black", ColourRef(0, 0, 0), "spd", "&spades;", 170, "S.gif", "95"},
    {"NT", "", 0, "", "", 0, "", ""},
}};

inline constexpr std::array<std::string_view, 4> kSeatNames{"North", "East", "South", "West"};

// The table row of strain i; an empty row for values outside 0..4.
const SuitInfo& SuitRow(int suit);
// "North" .. "West"; empty for other values.
std::string SeatName(int seat);
// First letter of the seat name ("N", "E", "S", "W"); empty for other values.
std::string SeatLetter(int seat);

// "C", "D", "H", "S" for 0..3, "NT" for 4, empty otherwise.
std::string SuitLetter(int suit);
// 4 when the text begins with "NT", else 0..3 by a first character C, D, H, S; 0 for
// anything else (lower case included).
int SuitIndex(std::string_view text);

// Display rank of 2..14 ("2".."9", "T", "J", "Q", "K", "A"); empty otherwise.
std::string RankText(int rank);
// Card text of a code (rank then suit letter); empty when the code holds no card.
std::string CardText(int code);

// Card code (suit * 100 + rank) of a card text or a play-record token ("AS", "[AS]",
// "(AS)"); a token of three or more characters is read from its second and third.
int CardCode(std::string_view token);
// The parts of a card code and the code of a suit (0..3) and rank (2..14). A code that
// holds no card still splits into the digits it has.
constexpr int CardSuit(int code) {
    return code / 100;
}
constexpr int CardRank(int code) {
    return code % 100;
}
constexpr int MakeCardCode(int suit, int rank) {
    return suit * 100 + rank;
}
// A code that names a card: suit 0..3, rank 2..14.
constexpr bool IsCardCode(int code) {
    return code > 0 && CardSuit(code) <= 3 && CardRank(code) >= 2 && CardRank(code) <= 14;
}

// The hands and the play: [seat][trick], 13 tricks, seats in table order.
template <class T>
using SeatTrickGrid = std::array<std::array<T, kTrickCount>, kSeatCount>;
using CardTextGrid = SeatTrickGrid<std::string>;
using CardCodeGrid = SeatTrickGrid<std::int16_t>;
// Card marks: 0 plain, 1 led its trick (written "[AS]"), 2 never played, the play having
// ended by a claim (written "(AS)").
using CardMarkGrid = SeatTrickGrid<std::uint8_t>;
using TrickFlagGrid = SeatTrickGrid<std::uint8_t>;
using TrickCounts = std::array<std::uint8_t, kSeatCount>;

void CardCodes(CardCodeGrid& codes, const CardTextGrid& texts);

// Splits one play-record token into its card text and mark: "[AS]" mark 1, "(AS)" mark 2,
// anything else mark 0 with the token itself as the card.
void SplitPlayToken(const std::string& token, std::string& card, std::uint8_t& mark);
// Four hand lines (seat 0 first), 13 tokens each separated by commas or blanks.
void ReadPlayGrid(const std::array<std::string, kSeatCount>& lines, CardTextGrid& texts,
                  CardMarkGrid& marks);

// The opening leader: the seat whose first-trick card has mark 1 and that card's code (the
// last such seat when several); both -1 when there is none.
void FindLead(int& seat, int& code, const CardMarkGrid& marks, const CardCodeGrid& codes);

// Each hand sorted by code: order 0 highest first, order 1 lowest first.
void SortHands(CardCodeGrid& sorted, const CardCodeGrid& codes, int order);

// --- Calls and scoreboard readings ---

// "パス" or any text holding "Pas" ("Pass", "Passe") is a pass.
bool IsPass(std::string_view call);
// -1 for an empty call, "X", "XX" or a pass; else the strain named after the level digit
// (0 when it names none).
int CallStrain(std::string_view call);

// One side's scoreboard total and vulnerability (0 not vulnerable, 1 vulnerable); both -1
// while unknown.
struct ScoreVul {
    std::int32_t Score = -1;
    std::int32_t Vul = -1;
    bool operator==(const ScoreVul&) const = default;
};
using ScorePair = std::array<ScoreVul, 2>;  // by side

}  // namespace tallowen
