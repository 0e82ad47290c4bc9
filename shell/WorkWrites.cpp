#include "shell/WorkWrites.h"

#include "records/DealOps.h"
#include "records/RecordFiles.h"
#include "shell/CaptureSupport.h"
#include "shell/Messages.h"
#include "shell/RecordList.h"

namespace tallowen {

namespace {

void NoteWriteFailed(AppContext& app, const std::string& error) {
    if (app.writes.writeFault) return;  // told already: not a message and a sound every tick
    app.writes.writeFault = true;
    TellError(app, error + ". The board is kept and written as soon as the Work folder takes it.");
}

void NoteWriteWorked(AppContext& app, const std::string& what) {
    if (!app.writes.writeFault || app.writes.keptAuctionUnwritten || app.writes.unwrittenRecord)
        return;
    app.writes.writeFault = false;
    TellError(app, "The Work folder takes files again: " + what + " written.");
}

bool WriteKeptAuctionFile(AppContext& app) {
    const RecordResult written =
        WriteBidFile(app.writes.keptAuction, app.folders, app.seams.codePage);
    app.writes.keptAuctionUnwritten = !written.ok;
    if (!written.ok) NoteWriteFailed(app, written.error);
    return written.ok;
}

// The record's file, or "" when the folder does not take it.
std::string WriteRecordFile(AppContext& app, const Deal& record) {
    EnsureRecordPrefix(app);
    const RecordResult written = WriteDealFile(record, app.writes.naming, app.folders,
                                               app.seams.codePage, app.writes.listener);
    if (!written.ok) {
        NoteWriteFailed(app, written.error);
        return "";
    }
    AddToFileBox(app, written.name);
    return written.name;
}

bool WriteUnwrittenRecord(AppContext& app) {
    if (!app.writes.unwrittenRecord) return true;
    const std::string name = WriteRecordFile(app, *app.writes.unwrittenRecord);
    if (name.empty()) return false;
    app.writes.unwrittenRecord.reset();
    NoteWriteWorked(app, name);
    return true;
}

}  // namespace

void KeepAuction(AppContext& app) {
    app.writes.keptAuction = app.capture.deals.capture;
    if (WriteKeptAuctionFile(app)) NoteWriteWorked(app, std::string(kBidFileName));
}

bool JoinKeptAuction(AppContext& app, Deal& deal) {
    // While the file could not be written, what it holds is an older board's auction.
    if (!app.writes.keptAuctionUnwritten) {
        const RecordResult read = ReadBidFile(deal, app.folders, app.seams.codePage);
        if (read.ok) return true;
        if (app.writes.keptAuction.Rounds == 0) {
            TellError(app, read.error);
            return false;
        }
        // The file went with its folder: the auction captured moments before is the same.
        LogLine(app, read.error + ": the auction kept in memory is used.");
    }
    CopyAuctionPart(app.writes.keptAuction, deal);
    return true;
}

std::string WriteRecord(AppContext& app, const Deal& record) {
    if (!WriteUnwrittenRecord(app)) {
        ++app.writes.recordsLostToWrites;
        TellError(app, "The record of the board before could not be written and is lost.");
        app.writes.unwrittenRecord.reset();
    }
    const std::string name = WriteRecordFile(app, record);
    if (name.empty())
        app.writes.unwrittenRecord = record;
    else
        NoteWriteWorked(app, name);
    return name;
}

void WriteUnwritten(AppContext& app) {
    if (app.writes.keptAuctionUnwritten && WriteKeptAuctionFile(app))
        NoteWriteWorked(app, std::string(kBidFileName));
    WriteUnwrittenRecord(app);
}

}  // namespace tallowen
