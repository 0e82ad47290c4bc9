#include "sim/Editions.h"

#include "common/Edition.h"
#include "common/Notation.h"
#include "reading/GameWindows.h"

namespace tallowen {

namespace {

struct Letters {
    std::string_view noTrump;
    std::string_view suits;  // clubs, diamonds, hearts, spades
};

// Strain letters of the auction: the editions whose readers map letters draw their own,
// the others draw the English ones.
Letters BidLetters(int language) {
    switch (EditionOf(language)) {
        case Edition::German:
            return {"SA", "TDCP"};
        case Edition::Italian:
            return {"NT", "FQCP"};
        case Edition::Spanish:
            return {"ST", "TRCP"};
        case Edition::Mexican:
        case Edition::Espanol:
        case Edition::Argentine:
            return {"ST", "TDCP"};
        default:
            return {"NT", "CDHS"};
    }
}

// Suit letters of the hand window.
std::string_view HandSuits(int language) {
    switch (EditionOf(language)) {
        case Edition::German:
        case Edition::Argentine:
            return "TDCP";
        case Edition::French:
            return "TKCP";  // trefle, carreau, coeur, pique
        case Edition::Italian:
            return "FQCP";
        case Edition::Mexican:
        case Edition::Espanol:
            return "CDHP";
        default:
            return "CDHS";
    }
}

}  // namespace

std::string_view PassWord(int language) {
    switch (EditionOf(language)) {
        case Edition::Japanese:
            return "パス";
        case Edition::German:
        case Edition::French:
            return "Passe";
        case Edition::Italian:
        case Edition::Portuguese:
            return "Passo";
        case Edition::Spanish:
        case Edition::Mexican:
        case Edition::Espanol:
        case Edition::Argentine:
            return "Paso";
        default:
            return "Pass";
    }
}

std::string BidWord(int level, int strain, int language) {
    const Letters letters = BidLetters(language);
    std::string word(1, char('0' + level));
    if (strain == kNoTrump) return word + std::string(letters.noTrump);
    return word + letters.suits[std::size_t(strain) & 3];
}

std::string CallWord(const std::string& call, int language) {
    if (call.empty() || call == "X" || call == "XX") return call;
    if (IsPass(call)) return std::string(PassWord(language));
    if (call[0] >= '1' && call[0] <= '7')
        return BidWord(call[0] - '0', SuitIndex(call.substr(1)), language);
    return call;
}

std::string CardWord(int rank, int suit, int language) {
    std::string word;
    if (rank == 10) {
        word = "10";
    } else if (EditionOf(language) == Edition::French && rank >= 11 && rank <= 13) {
        word = std::string(1, "VDR"[rank - 11]);  // valet, dame, roi
    } else {
        word = RankText(rank);
    }
    return word + HandSuits(language)[std::size_t(suit) & 3];
}

std::string TableWindowTitle(int language, int table) {
    return "Yahoo! " + std::string(TitleTable::Title(0, language)) + " - Table " +
           std::to_string(table) + " - Social Lounge: Friendly Rubber";
}

std::string_view ButtonCaption(int kind, int language) {
    static constexpr std::array<std::array<std::string_view, 4>, kLanguageCount> kCaptions{{
        {"Bidding", "Last Trick", "Last Hand", "Score"},
        {"ビッド経過", "最後のトリック", "最後のハンド", "スコア"},
        {"Reizung anzeigen", "Letzter Stich", "Letztes Spiel", "Punktestand"},
        {"Voir les encheres", "Dernier pli", "Derniere main", "Score"},
        {"Licitazione", "Ultima presa", "Ultima mano", "Punteggio"},
        {"Subastas", "Ultima baza", "Ultima mano", "Puntos"},
        {"Ver apuestas", "Ultima baza", "Ultima mano", "Puntuacion"},
        {"Ver apuestas", "Ultima baza", "Ultima mano", "Puntuacion"},
        {"Ver apuestas", "Ultima baza", "Ultima mano", "Puntos"},
        {"Ver leilao", "Ultima jogada", "Ultima rodada", "Pontuacao"},
    }};
    if (!IsEdition(language) || kind < 1 || kind > 4) return {};
    return kCaptions[std::size_t(language - 1)][std::size_t(kind - 1)];
}

}  // namespace tallowen
