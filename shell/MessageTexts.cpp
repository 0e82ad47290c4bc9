#include "shell/MessageTexts.h"

#include <array>
#include <string_view>

#include "common/Edition.h"
#include "shell/EntityText.h"
#include "shell/Messages.h"

namespace tallowen {

namespace {

// The codes that have texts, in the order of the tables below; 13 says what 11 says.
constexpr std::array<int, 11> kCodes{1, 7, 11, 12, 15, 16, 18, 19, 21, 24, 25};

// One edition's texts. The game windows' names are kept apart and put in with their brackets
// where a text says %S (score), %B (bidding), %H (last hand) or %T (last trick); accented
// letters and guillemets are written as entities so that the source stays ASCII where it can.
struct EditionTexts {
    std::array<std::string_view, 4> windows;  // score, bidding, last hand, last trick
    std::string_view open, close;
    std::array<std::string_view, kCodes.size()> texts;  // by kCodes; empty = none
};

constexpr std::string_view kLaquo = "&laquo;", kRaquo = "&raquo;";

constexpr EditionTexts kEnglish{
    {"Score", "Bridge Bidding", "Last Hand", "Last Trick"},
    kLaquo,
    kRaquo,
    {"Score is not open.", "%S remains Unchanged.", "Game doesn't yet start.",
     "Bidding doesn't yet start.", "Bidding is not yet over.", "%B remains Unchanged.",
     "Bidding is not open.", "Bidding doesn't yet start.", "LastHand is not open.",
     "%H is Unchanged.", "LastTrick is not open."}};

constexpr EditionTexts kJapanese{
    {"スコア", "ビッド経過", "最後のハンド", "最後のトリック"},
    "《",
    "》",
    {"%Sが見つかりません.", "%Sは 変更されていません.", "ゲームは未だ始まっていません.",
     "ビッドは未だ始まっていません.", "ビッドが未だ終了していません.",
     "ビッドが変更されていません.", "%Bが見つかりません.", "オークションは未だ始まっていません.",
     "%Hが見つかりません.", "%Hは 更新されていません.", "%Tが見つかりません."}};

constexpr EditionTexts kGerman{{"Punktestand", "Bridge - Reizung", "Letztes Spiel", ""},
                               kLaquo,
                               kRaquo,
                               {"%S ist nicht er&ouml;ffnet.", "%S ist nicht ver&auml;ndert.",
                                "Spiel noch nicht beginnt.", "Bieten noch nicht beginnt.",
                                "Reizung ist nicht zu Ende.", "Reizung ist nicht ver&auml;ndert.",
                                "%B ist nicht er&ouml;ffnet.", "Bieten noch nicht beginnt.",
                                "%H ist nicht er&ouml;ffnet.", "%H ist nicht ver&auml;ndert.", ""}};

constexpr EditionTexts kFrench{
    {"Score", "Ench&egrave;res du bridge", "Derni&egrave;re main", ""},
    kLaquo,
    kRaquo,
    {"%S n'est pas ouverte.", "%S n'est pas chang&eacute;e.", "Le jeu ne commence pas encore.",
     "Ench&egrave;re ne commence pas encore.", "Ench&egrave;re n'est pas encore compl&egrave;te.",
     "Ench&egrave;res ne sont pas chang&eacute;es.", "%B n'est pas ouverte.",
     "Ench&egrave;re ne commence pas encore.", "%H n'est pas ouverte.",
     "%H n'est pas chang&eacute;e.", ""}};

constexpr EditionTexts kItalian{
    {"Punteggio", "Licitazi&oacute;ne di Bridge", "&Uacute;ltima mano", ""},
    kLaquo,
    kRaquo,
    {"%S non'&egrave; abierta.", "%S non'&egrave; rinnovato.",
     "Giuoco ancora non'&egrave; iniziato.", "Licitazi&oacute;ne ancora non'&egrave; iniziato.",
     "Licitazi&oacute;ne non'&egrave; todav&iacute;a completa.",
     "Licitazi&oacute;ne non'&egrave; rinnovata.", "%B non'&egrave; abierta.",
     "Licitazi&oacute;ne ancora non'&egrave; iniziato.", "%H non'&egrave; abierta.",
     "%H non'&egrave; rinnovata.", ""}};

// Edition 6 calls the auction "Subasta", editions 7 to 9 "Apuesta".
constexpr EditionTexts kSpanish{
    {"Puntuaci&oacute;n", "Subastas", "&Uacute;ltima mano", ""},
    kLaquo,
    kRaquo,
    {"%S no est&agrave; abierta.", "%S no ha se renovado.",
     "El juego no ha se todav&iacute;a iniciado.", "Subasta no ha se todav&iacute;a iniciado.",
     "Subastas no han se todav&iacute;a completado.", "Subastas no han se renovado.",
     "%B no est&agrave; abierta.", "Subasta no ha se todav&iacute;a iniciado.",
     "%H no est&agrave; abierta.", "%H no ha se renovado.", ""}};

constexpr EditionTexts kSpanishApuesta{
    {"Puntuaci&oacute;n", "Apuestas de Bridge", "&Uacute;ltima mano", "&Uacute;ltima baza"},
    kLaquo,
    kRaquo,
    {"%S no est&agrave; abierta.", "%S no ha se renovado.",
     "El juego no ha se todav&iacute;a iniciado.", "Apuesta no ha se todav&iacute;a iniciado.",
     "Apuestas no han se todav&iacute;a completado.", "Apuestas no han se renovado.",
     "%B no est&agrave; abierta.", "Apuesta no ha se todav&iacute;a iniciado.",
     "%H no est&agrave; abierta.", "%H no ha se renovado.", "%T no est&agrave; abierta."}};

constexpr EditionTexts kPortuguese{
    {"Pontua&ccedil;&atilde;o", "Leil&atilde;o do bridge", "&Uacute;ltima rodada", ""},
    kLaquo,
    kRaquo,
    {"%S n&atilde;o &eacute; aberta.", "%S n&atilde;o foi renovado.",
     "Jogo ainda n&atilde;o foi iniciado.", "Leil&atilde;o ainda n&atilde;o foi iniciada.",
     "Leil&atilde;o ainda n&atilde;o foi conclu&iacute;da.",
     "Leil&otilde;es n&atilde;o  foram renovados.", "%B n&atilde;o &eacute; aberta.",
     "Leil&atilde;o ainda n&atilde;o foi iniciada.", "%H n&atilde;o &eacute; aberta.",
     "%H n&atilde;o foi renovado.", ""}};

// The English client seen from the Japanese interface: the missing-window messages name the
// English windows in Japanese sentences.
constexpr EditionTexts kEnglishForJapanese{
    {"Score", "Bridge Bidding", "Last Hand", "Last Trick"},
    "《",
    "》",
    {"%Sが オープンしていません.", "", "", "", "", "", "%Bが オープンしていません.", "",
     "%Hが オープンしていません.", "", "%Tが オープンしていません."}};

const EditionTexts* TextsOf(int language) {
    static constexpr std::array<const EditionTexts*, kLanguageCount> kByLanguage{
        &kEnglish, &kJapanese,       &kGerman,         &kFrench,         &kItalian,
        &kSpanish, &kSpanishApuesta, &kSpanishApuesta, &kSpanishApuesta, &kPortuguese};
    if (!IsEdition(language)) return nullptr;
    return kByLanguage[std::size_t(language - 1)];
}

int CodeIndex(int code) {
    if (code == 13) code = 11;
    for (std::size_t i = 0; i < kCodes.size(); ++i)
        if (kCodes[i] == code) return int(i);
    return -1;
}

// The window a "%" names, by the letter after it; npos for a plain "%".
std::size_t WindowAt(std::string_view text, std::size_t i) {
    if (text[i] != '%' || i + 1 >= text.size()) return std::string_view::npos;
    return std::string_view("SBHT").find(text[i + 1]);
}

std::string Compose(const EditionTexts& edition, std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t window = WindowAt(text, i);
        if (window == std::string_view::npos) {
            out += text[i];
            continue;
        }
        out.append(edition.open).append(edition.windows[window]).append(edition.close);
        ++i;
    }
    return DecodeEntities(out);
}

}  // namespace

MessageText NumberedMessageText(int code, int language, bool jpnInterface,
                                const std::string& interfaceFont) {
    MessageText message{"", "Arial", 13};
    const EditionTexts* edition = TextsOf(language);
    int index = CodeIndex(code);
    if (!edition || index < 0) return message;
    if (jpnInterface && EditionOf(language) == Edition::English &&
        !kEnglishForJapanese.texts[std::size_t(index)].empty()) {
        edition = &kEnglishForJapanese;
        message.font = interfaceFont;
    } else if (EditionOf(language) == Edition::Japanese) {
        message.font = interfaceFont;
        message.points = 12;
    }
    message.text = Compose(*edition, edition->texts[std::size_t(index)]);
    return message;
}

std::string NumberedMessage(int code, int language, bool jpnInterface) {
    return NumberedMessageText(code, language, jpnInterface, "").text;
}

Rect MessageWindowPlace(const Rect& mainWindow, int frameWidth, int captionHeight) {
    constexpr int kClientWidth = 380, kClientHeight = 100;
    constexpr int kGrowth = 600 / 15;  // twips at 15 to the pixel
    const int width = frameWidth * 2 + kClientWidth + kGrowth;
    const int height = captionHeight + kClientHeight + kGrowth;
    const int left = mainWindow.left - width > 0 ? mainWindow.left - width : 0;
    return Rect{left, mainWindow.top, left + width, mainWindow.top + height};
}

}  // namespace tallowen
