// The record files of the Work folder and the current-auction file "BridgeBid.brg": writing a
// new record, keeping the last auction, reading either back. A file that cannot be written
// or read is an error result naming the file and the reason; the records on disk and the
// deal in memory then stay as they were.
#pragma once

#include <string>

#include "common/Outcome.h"
#include "records/Deal.h"
#include "records/RecordNames.h"

namespace tallowen {

class CodePage;
struct Folders;

struct RecordResult : Outcome {
    std::string name;    // the record name written ("MM_DD_NNN"), WriteDealFile only
    bool lossy = false;  // a character had no form in the code page and was written as "?"
};

// Told about each record file as it appears, so that the record list can show it on top.
class RecordListener {
public:
    virtual ~RecordListener() = default;
    virtual void RecordWritten(const std::string& recordName) = 0;
};

// Writes the capture deal as a new record file under the next free name of the day. An
// existing file is never replaced: a name already on disk is skipped. The counter then
// stands past the name taken; after a failure it stays at the name that failed.
RecordResult WriteDealFile(const Deal& deal, RecordNaming& naming, const Folders& folders,
                           const CodePage& page, RecordListener* listener);

// Replaces "BridgeBid.brg" with the capture deal's auction names, auction and score before.
RecordResult WriteBidFile(const Deal& deal, const Folders& folders, const CodePage& page);

// Fills AuctionNames, Rounds, Calls and ScoreBefore from "BridgeBid.brg".
RecordResult ReadBidFile(Deal& deal, const Folders& folders, const CodePage& page);

// Settles the temporary files that a killed copy of the program left in Work: a complete,
// valid record is kept under the next free name of its day, anything else is removed. One
// line for each file settled.
std::vector<std::string> SettleWorkLeftovers(const Folders& folders, const CodePage& page);

// Fills Names, Rounds, Calls, ScoreBefore, Cards, CardMarks and ScoreAfter from a record.
RecordResult ReadDealFile(Deal& deal, const std::string& recordName, const Folders& folders,
                          const CodePage& page);

}  // namespace tallowen
