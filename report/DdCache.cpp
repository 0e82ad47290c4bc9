#include "report/DdCache.h"

#include <algorithm>
#include <array>

#include "common/Checksum.h"
#include "common/CodePages.h"

namespace tallowen {

namespace {

constexpr const char* kFormat = "Tallowen double-dummy cache 1; DDS ";
constexpr std::string_view kSeatLetters = "NESW";
constexpr std::string_view kStrainLetters = "CDHSN";  // our strain numbers
constexpr std::string_view kRankLetters = "23456789TJQKA";
constexpr std::string_view kCounts = "0123456789abcd";  // 0..13 tricks, one character each

std::string Hex8(std::uint32_t n) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out(8, '0');
    for (int i = 7; i >= 0; --i, n >>= 4) out[static_cast<std::size_t>(i)] = kDigits[n & 15];
    return out;
}

std::string Signed(std::string line) {
    return line + " " + Hex8(Crc32(line));
}

// The line without its checksum, when the checksum is right.
std::optional<std::string_view> Checked(std::string_view line) {
    const std::size_t space = line.rfind(' ');
    if (space == std::string_view::npos || line.size() - space != 9) return std::nullopt;
    std::string_view body = line.substr(0, space);
    if (Hex8(Crc32(body)) != line.substr(space + 1)) return std::nullopt;
    return body;
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at <= text.size();) {
        std::size_t end = text.find(' ', at);
        if (end == std::string_view::npos) end = text.size();
        words.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

bool Counts(std::string_view text) {
    return text.find_first_not_of(kCounts) == std::string_view::npos;
}

bool IsDealKey(std::string_view key) {
    if (key.size() != 52) return false;
    for (char seat : kSeatLetters)
        if (std::count(key.begin(), key.end(), seat) != 13) return false;
    return true;
}

// "S" + leader letter, then the cards as suit and rank letters: "SW" "SQHAH2...".
std::string PlayKey(const DdHands& hands, const KnownPlay& play) {
    std::string key = DealKey(hands) + " " + kStrainLetters[static_cast<std::size_t>(play.trump)] +
                      kSeatLetters[static_cast<std::size_t>(play.leader)] + " ";
    for (std::int16_t code : play.codes) {
        key += kStrainLetters[static_cast<std::size_t>(CardSuit(code))];
        key += kRankLetters[static_cast<std::size_t>(CardRank(code) - 2)];
    }
    return key;
}

}  // namespace

std::string DealKey(const DdHands& hands) {
    std::string key;
    for (int ddsSuit = 0; ddsSuit < 4; ++ddsSuit)
        for (int rank = 14; rank >= 2; --rank) {
            char holder = '?';
            for (int seat = 0; seat < kSeats; ++seat)
                if (hands.cards[seat][ddsSuit] & (1u << rank))
                    holder = kSeatLetters[static_cast<std::size_t>(seat)];
            key += holder;
        }
    return key;
}

std::string DdCache::Head() const {
    return kFormat + version_;
}

void DdCache::Load(const std::filesystem::path& file) {
    tables_.clear();
    plays_.clear();
    rejected_ = 0;
    added_ = 0;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return;
    TextLines read = ReadTextLines(file, Utf8CodePage());
    if (!read.ok || read.lines.empty()) return;
    if (read.lines[0] != Head()) {  // another format or solver: nothing in it is ours to trust
        rejected_ = static_cast<int>(read.lines.size()) - 1;
        return;
    }
    for (std::size_t i = 1; i < read.lines.size(); ++i) {
        std::optional<std::string_view> body = Checked(read.lines[i]);
        std::vector<std::string_view> w = body ? Words(*body) : std::vector<std::string_view>{};
        if (w.size() == 3 && w[0] == "T" && IsDealKey(w[1]) && w[2].size() == 20 && Counts(w[2])) {
            tables_[std::string(w[1])] = w[2];
        } else if (w.size() == 5 && w[0] == "P" && IsDealKey(w[1]) && w[2].size() == 2 &&
                   w[3].size() % 2 == 0 && w[3].size() <= 104 &&
                   w[4].size() == SolvedCount(w[3].size() / 2) && Counts(w[4])) {
            std::string key = std::string(w[1]) + " " + std::string(w[2]) + " " + std::string(w[3]);
            plays_[key] = w[4];
        } else if (!read.lines[i].empty()) {
            ++rejected_;
        }
    }
}

FileResult DdCache::Save(const std::filesystem::path& file) {
    // What another copy kept meanwhile stays; our own entries are the newer.
    DdCache onDisk(version_);
    onDisk.Load(file);
    tables_.merge(onDisk.tables_);
    plays_.merge(onDisk.plays_);
    std::vector<std::string> lines{Head()};
    for (const auto& [key, table] : tables_) lines.push_back(Signed("T " + key + " " + table));
    for (const auto& [key, tricks] : plays_) lines.push_back(Signed("P " + key + " " + tricks));
    FileResult saved = WriteTextLines(file, lines, Utf8CodePage());
    if (saved.ok) added_ = 0;
    return saved;
}

std::optional<DdTable> DdCache::Table(const DdHands& hands) const {
    auto found = tables_.find(DealKey(hands));
    if (found == tables_.end()) return std::nullopt;
    DdTable table;
    for (int strain = 0; strain < 5; ++strain)
        for (int seat = 0; seat < kSeats; ++seat)
            table.tricks[strain][seat] = static_cast<int>(
                kCounts.find(found->second[static_cast<std::size_t>(strain * kSeats + seat)]));
    return table;
}

void DdCache::KeepTable(const DdHands& hands, const DdTable& table) {
    std::string counts;
    for (int strain = 0; strain < 5; ++strain)
        for (int seat = 0; seat < kSeats; ++seat)
            counts += kCounts[static_cast<std::size_t>(table.tricks[strain][seat])];
    tables_[DealKey(hands)] = counts;
    ++added_;
}

std::optional<std::vector<int>> DdCache::Play(const DdHands& hands, const KnownPlay& play) const {
    auto found = plays_.find(PlayKey(hands, play));
    if (found == plays_.end() || found->second.size() != SolvedCount(play.codes.size()))
        return std::nullopt;
    std::vector<int> tricks;
    for (char c : found->second) tricks.push_back(static_cast<int>(kCounts.find(c)));
    // A card never helps the side that plays it: tricks that do are not the solver's.
    const int declarerSide = SideOf((play.leader + 3) % kSeats);
    for (std::size_t k = 1; k < tricks.size(); ++k) {
        const bool declarers = SideOf(play.seats[k - 1]) == declarerSide;
        if (declarers ? tricks[k] > tricks[k - 1] : tricks[k] < tricks[k - 1]) return std::nullopt;
    }
    return tricks;
}

void DdCache::KeepPlay(const DdHands& hands, const KnownPlay& play,
                       const std::vector<int>& tricks) {
    std::string counts;
    for (int n : tricks) counts += kCounts[static_cast<std::size_t>(n)];
    plays_[PlayKey(hands, play)] = counts;
    ++added_;
}

}  // namespace tallowen
