// The records a faithful watcher writes of the boards a simulated session plays, kept beside
// the watcher's own so that they can be held side by side: "board_001.brg" for the first
// board played, and so on, in the record format.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/Files.h"
#include "sim/SimBoard.h"

namespace tallowen {

class CodePage;

// "board_001" for the first board (the counter as record names write it).
std::string ExpectedRecordName(int ordinal);

// Writes the record of `board`, the `ordinal`-th board played (from 1), into `folder`,
// replacing an older file of that name.
FileResult WriteExpectedRecord(const std::filesystem::path& folder, int ordinal,
                               const SimBoard& board, const CodePage& page);

struct RecordComparison {
    bool ok = false;                 // every expected board recorded once, every record agreeing
    std::vector<std::string> lines;  // what differs, then a summary line
};

// The records of the Work folder below `programFolder` against the expected records of
// `expectedFolder` (board_001 onwards): each record is compared with the board whose cards
// it holds. No expected record at all is a failure, as is an unreadable file.
RecordComparison CompareWithExpected(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& expectedFolder,
                                     const CodePage& page);

}  // namespace tallowen
