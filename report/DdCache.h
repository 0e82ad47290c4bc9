// What the double-dummy solver found, kept in the output folder so that a board is solved once
// in its life: the table of each deal, and the play analysis of each deal, trump and play.
// (Par is worked out again from the kept table; that takes no search.)
//
// The file is one line an entry, each with its own checksum. A line that fails the checksum,
// does not parse, or does not make sense (a card twice, a trick count out of range, a play
// whose tricks move the wrong way for the side that played) is dropped and solved again; a
// file of another format or solver version is not read at all. Saving merges what the file
// holds by then (another copy of the utility may have added to it) and puts it in place whole.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/Files.h"
#include "report/DoubleDummy.h"

namespace tallowen {

inline constexpr const char* kDdCacheName = "DoubleDummy.cache";

class DdCache {
public:
    explicit DdCache(std::string solverVersion) : version_(std::move(solverVersion)) {}

    // Reads the entries of the file that can be trusted; a missing file is an empty cache.
    void Load(const std::filesystem::path& file);
    FileResult Save(const std::filesystem::path& file);

    std::optional<DdTable> Table(const DdHands& hands) const;
    void KeepTable(const DdHands& hands, const DdTable& table);
    // Declarer's tricks before the lead and after each card, as SetPlayTricks takes them.
    std::optional<std::vector<int>> Play(const DdHands& hands, const KnownPlay& play) const;
    void KeepPlay(const DdHands& hands, const KnownPlay& play, const std::vector<int>& tricks);

    int Rejected() const { return rejected_; }  // lines dropped by the last Load
    int Added() const { return added_; }        // entries kept since the last Load or Save

private:
    std::string Head() const;

    std::string version_;
    // Sorted, so that the same entries always make the same file.
    std::map<std::string, std::string> tables_;  // deal -> 20 trick counts
    std::map<std::string, std::string> plays_;   // deal, trump, leader and cards -> tricks
    int rejected_ = 0;
    int added_ = 0;
};

// The deal as 52 seat letters, the holder of each card from the ace of spades down to the two
// of clubs.
std::string DealKey(const DdHands& hands);

}  // namespace tallowen
