#include "sim/ExpectedRecords.h"

#include <map>

#include "records/RecordFiles.h"
#include "records/RecordNames.h"
#include "records/RecordReader.h"
#include "records/RecordWriter.h"
#include "sim/SimRecord.h"

namespace tallowen {

namespace {

// More expected records than any session plays: the count stops a folder of strays.
constexpr int kMaxExpected = 100000;

std::filesystem::path ExpectedPath(const std::filesystem::path& folder, int ordinal) {
    return folder / PathFromUtf8(RecordFileName(ExpectedRecordName(ordinal)));
}

}  // namespace

std::string ExpectedRecordName(int ordinal) {
    return "board_" + CounterText(ordinal);
}

FileResult WriteExpectedRecord(const std::filesystem::path& folder, int ordinal,
                               const SimBoard& board, const CodePage& page) {
    EnsureFolder(folder);
    return WriteTextLines(ExpectedPath(folder, ordinal), DealFileLines(RecordOf(board), page),
                          page);
}

RecordComparison CompareWithExpected(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& expectedFolder,
                                     const CodePage& page) {
    RecordComparison out;
    std::vector<Deal> expected;
    for (int n = 1; n <= kMaxExpected && FileExists(ExpectedPath(expectedFolder, n)); ++n) {
        const TextLines text = ReadTextLines(ExpectedPath(expectedFolder, n), page);
        Deal deal;
        const std::string error = text.ok ? ParseDealLines(text.lines, deal) : text.error;
        if (!error.empty()) out.lines.push_back(ExpectedRecordName(n) + ": " + error);
        expected.push_back(deal);
    }
    Folders folders;
    folders.app = programFolder;
    std::map<std::string, Deal> records;
    for (const std::string& name : ScanWorkFiles(folders).work) {
        Deal deal;
        const RecordResult read = ReadDealFile(deal, name, folders, page);
        if (read.ok)
            records[name] = deal;
        else
            out.lines.push_back(read.error);
    }
    const RecordMatch match = MatchRecords(records, expected);
    out.lines.insert(out.lines.end(), match.problems.begin(), match.problems.end());
    for (int missing : match.missing)
        out.lines.push_back(ExpectedRecordName(missing + 1) + " was not recorded");
    if (expected.empty())
        out.lines.push_back("no expected records in " + PathToUtf8(expectedFolder));
    out.ok = out.lines.empty();
    out.lines.push_back("records " + std::to_string(records.size()) + ", boards expected " +
                        std::to_string(expected.size()) +
                        (out.ok ? ": all agree" : ": differences"));
    return out;
}

}  // namespace tallowen
