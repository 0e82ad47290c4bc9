#include "reading/GameWindows.h"

#include <algorithm>

#include "common/Text.h"
#include "common/Utf8.h"

namespace tallowen {

namespace {

struct EditionTitles {
    std::string_view country;
    std::array<std::string_view, 6> titles;  // by window kind 0..5
    std::string_view tricksLabel;
    std::array<std::string_view, 4> buttons;  // kinds 1..4
    std::string_view vulnerable;
};

// The client's titles carry no accents; they are compared exactly as written here.
constexpr std::array<EditionTitles, kLanguageCount> kEditions{{
    {"USA",
     {"Game: Bridge", "Bridge Bidding", "Last Trick", "Last Hand", "Bridge Score", "Bridge Bid"},
     "Tricks:",
     {"Bidding", "tTrick", "tHand", "Score"},
     "Vulnerable"},
    {"日本",
     {"ゲーム：Bridge", "ビッド経過", "最後のトリック", "最後のハンド", "スコア", "ブリッジビッド"},
     "トリック:",
     {"ビッド経過", "トリック", "のハンド", "スコア"},
     "バル"},
    {"ドイツ",
     {"Spiel: Bridge", "Bridge - Reizung", "Letzter Stich", "Letztes Spiel", "Bridge-Punktestand",
      "Bridge-Gebot"},
     "Stiche:",
     {"anzeigen", "Stich", "Spiel", "stand"},
     "Gefahr"},
    {"フランス",
     {"Jeu : Bridge", "Encheres du bridge", "Dernier pli", "Derniere main", "Score du bridge",
      "Encheres du bridge"},
     "Pli:",
     {"lesencheres", "pli", "main", "Score"},
     "Vulnerable"},
    {"イタリア",
     {"Partita: Bridge", "Licitazione di Bridge", "Ultima presa", "Ultima mano",
      "Punteggio di Bridge", "Licitazione di Bridge"},
     "Prese:",
     {"tazione", "presa", "mamano", "teggio"},
     "Vulnerabile"},
    {"スペイン",
     {"Partida: Bridge", "Subastas", "Ultima baza", "Ultima mano", "Puntuacion", "Subasta"},
     "Bazas:",
     {"bastas", "baza", "mamano", "Puntos"},
     "Vulnerable"},
    {"メキシコ",
     {"Partida:Bridge", "Apuestas de Bridge", "Ultima baza", "Ultima mano", "Puntuacion",
      "Apuestas"},
     "Bazas:",
     {"apuestas", "baza", "mamano", "tuacion"},
     "Vulnerable"},
    {"ESPANOL",
     {"Partida: bridge", "Apuestas de Bridge", "Ultima baza", "Ultima mano", "Puntuacion",
      "Apuestas"},
     "Bazas:",
     {"apuestas", "baza", "mamano", "tuacion"},
     "Vulnerable"},
    {"Argentine",
     {"Juego: Bridge", "Apuestas de Bridge", "Ultima baza", "Ultima mano", "Puntuacion",
      "Apuestas"},
     "Bazas:",
     {"apuestas", "baza", "mamano", "Puntos"},
     "Vulnerable"},
    {"ブラジル",
     {"Jogo: Bridge", "Leilao do bridge", "Ultima jogada", "Ultima rodada", "Pontuacao do bridge",
      "Leilao do bridge"},
     "Jogadas:",
     {"leilao", "jogada", "rodada", "tuacao"},
     "Vulneravel"},
}};

constexpr std::array<std::string_view, 6> kButtonNames{"Auction", "Trick", "Hand",
                                                       "Score",   "Board", "ShowAuction"};

const EditionTitles* TitlesOf(int language) {
    if (!IsEdition(language)) return nullptr;
    return &kEditions[std::size_t(language - 1)];
}

}  // namespace

std::string_view TitleTable::Title(int kind, int language) {
    const EditionTitles* e = TitlesOf(language);
    return e && kind >= 0 && kind <= 5 ? e->titles[std::size_t(kind)] : std::string_view();
}

std::string_view TitleTable::Country(int language) {
    const EditionTitles* e = TitlesOf(language);
    return e ? e->country : std::string_view();
}

std::string_view TitleTable::TricksLabel(int language) {
    const EditionTitles* e = TitlesOf(language);
    return e ? e->tricksLabel : std::string_view();
}

std::string_view TitleTable::ButtonKeyword(int kind, int language) {
    const EditionTitles* e = TitlesOf(language);
    return e && kind >= 1 && kind <= 4 ? e->buttons[std::size_t(kind - 1)] : std::string_view();
}

std::string_view TitleTable::ButtonName(int kind) {
    return kind >= 1 && kind <= 6 ? kButtonNames[std::size_t(kind - 1)] : std::string_view();
}

std::string_view TitleTable::VulnerableWord(int language) {
    const EditionTitles* e = TitlesOf(language);
    return e ? e->vulnerable : std::string_view();
}

int DisplayWidth(std::string_view text, const CodePage& page) {
    int width = 0;
    for (auto ch : SplitChars(text)) width += IsWide(ch, page) ? 2 : 1;
    return width;
}

void SetWinTitle(GameWindows& windows, const CodePage& page) {
    int low = 0, high = 0;
    for (int language = 1; language <= kLanguageCount; ++language)
        for (int kind = 1; kind <= kSubWindowCount; ++kind) {
            std::string_view title = TitleTable::Title(kind, language);
            if (title.empty()) continue;
            int w = DisplayWidth(title, page);
            low = low == 0 ? w : std::min(low, w);
            high = std::max(high, w);
        }
    windows.minTitleWidth = low;
    windows.maxTitleWidth = high;
}

}  // namespace tallowen
