// Names of the record files in the Work folder: MM_DD_NNN.brg, one per recorded board, the
// counter running through the day; a deleted record keeps its data under "BAK" + its name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallowen {

inline constexpr std::string_view kRecordExtension = ".brg";
inline constexpr std::string_view kBackupPrefix = "BAK";
inline constexpr std::string_view kBidFileName = "BridgeBid.brg";

// The day's prefix and the counter of the next record name to try.
struct RecordNaming {
    std::string RecordPrefix;        // "MM_DD_" of the local date
    std::int32_t RecordCounter = 1;  // next counter of the day
};

// "001" .. "999" (leading zeros to three digits), then plainly: "1000".
std::string CounterText(std::int32_t counter);
// "MM_DD_" for a month 1..12 and day 1..31.
std::string PrefixForDate(int month, int day);
// The record name (file name without ".brg") of a prefix and counter.
std::string RecordName(std::string_view prefix, std::int32_t counter);
std::string RecordFileName(std::string_view recordName);  // name + ".brg"
std::string BackupFileName(std::string_view recordName);  // "BAK" + name + ".brg"

// Sets the prefix of the given date and the counter to one past the largest counter among
// the listed record names of that day (1 when there is none).
void MakeRecordPrefix(RecordNaming& naming, int month, int day,
                      const std::vector<std::string>& recordNames);

}  // namespace tallowen
