// The game client's language editions. The readers, the shell and the simulated client all
// branch on the edition; files, settings and tables keep its plain number.
#pragma once

namespace tallowen {

// 1 English, 2 Japanese, 3 German, 4 French, 5 Italian, 6..9 Spanish, 10 Portuguese.
enum class Edition : int {
    English = 1,
    Japanese = 2,
    German = 3,
    French = 4,
    Italian = 5,
    Spanish = 6,
    Mexican = 7,
    Espanol = 8,
    Argentine = 9,
    Portuguese = 10,
};
constexpr int ToInt(Edition e) {
    return static_cast<int>(e);
}
constexpr int kLanguageCount = ToInt(Edition::Portuguese);

// The edition of a stored language number. Any number converts; compare it only with named
// editions, or check it with IsEdition first.
constexpr Edition EditionOf(int language) {
    return static_cast<Edition>(language);
}
// A language number of one of the client's editions (1..kLanguageCount).
constexpr bool IsEdition(int language) {
    return language >= ToInt(Edition::English) && language <= kLanguageCount;
}
// The Italian and Spanish editions write card words too wide for the last-hand window's
// usual width: the reader widens the window and the client draws wider cells.
constexpr bool HasWideCardWords(int language) {
    return language >= ToInt(Edition::Italian) && language <= ToInt(Edition::Argentine);
}

}  // namespace tallowen
