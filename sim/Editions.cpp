#include "sim/Editions.h"

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
    switch (language) {
        case 3:
            return {"SA", "TDCP"};
        case 5:
            return {"NT", "FQCP"};
        case 6:
            return {"ST", "TRCP"};
        case 7:
        case 8:
        case 9:
            return {"ST", "TDCP"};
        default:
            return {"NT", "CDHS"};
    }
}

// Suit letters of the hand window.
std::string_view HandSuits(int language) {
    switch (language) {
        case 3:
        case 9:
            return "TDCP";
        case 4:
            return "TKCP";  // trefle, carreau, coeur, pique
        case 5:
            return "FQCP";
        case 7:
        case 8:
            return "CDHP";
        default:
            return "CDHS";
    }
}

}  // namespace

std::string_view PassWord(int language) {
    switch (language) {
        case 2:
            return "パス";
        case 3:
        case 4:
            return "Passe";
        case 5:
        case 10:
            return "Passo";
        case 6:
        case 7:
        case 8:
        case 9:
            return "Paso";
        default:
            return "Pass";
    }
}

std::string BidWord(int level, int strain, int language) {
    const Letters letters = BidLetters(language);
    std::string word(1, char('0' + level));
    if (strain == 4) return word + std::string(letters.noTrump);
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
    } else if (language == 4 && rank >= 11 && rank <= 13) {
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
    static constexpr std::array<std::array<std::string_view, 4>, 10> kCaptions{{
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
    if (language < 1 || language > 10 || kind < 1 || kind > 4) return {};
    return kCaptions[std::size_t(language - 1)][std::size_t(kind - 1)];
}

}  // namespace tallowen
