// The utility's job: every work file of the Work folder, in recording order, into one HTML
// page per day of play (and its plain-text twin when asked for).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/Files.h"
#include "common/Version.h"
#include "report/FontMetrics.h"
#include "report/MessageSink.h"
#include "report/PageStyle.h"
#include "report/ReportClock.h"

namespace tallowen {

class CodePage;

inline constexpr const char* kUtilityProgram = "TallowenUTL.exe";
inline const std::string kUtilityVersion = std::string(" ") + kVersion;
inline constexpr int kMaxPageSuffixes = 1000;

struct SummaryJob {
    Folders folders;               // the program folder and its Work folder
    std::filesystem::path output;  // the output folder
    std::string outputName;        // its name as the user sees it ("HandRec")
    PageStyle style;
    int cardOrder = 0;       // 0 high cards first, 1 low cards first
    bool pbnOutput = false;  // a PBN file of each day beside its page
    MessageSink* messages = nullptr;
    const ReportClock* clock = nullptr;
    const FontMetrics* metrics = nullptr;
    const CodePage* textPage = nullptr;  // the ANSI code page: record files and text twins
    const CodePage* sjisPage = nullptr;  // Shift_JIS, for the pages of the Japanese display
};

struct SummaryResult {
    int workFiles = 0;
    int boards = 0;
    std::vector<std::string> pages;        // file names written, ".htm" and ".txt"
    std::vector<std::string> errors;       // files that could not be read or written
    std::vector<std::string> unreadable;   // records that could not be read (or were cut)
    std::vector<std::string> notMade;      // pages and twins that could not be written
    std::vector<std::string> alreadyMade;  // ... because another copy made them first
};

// The job did not do its work: a page or twin could not be written, a record could not be
// read, or there were records but not one page came of them.
bool SummaryFailed(const SummaryResult& result);

// The page's base name and the suffix that makes its name new in the output folder: the one
// after the highest of "", "0A", "1A" ... in use by a ".htm" or a ".txt" file (or a ".pbn"
// file, when the day's PBN file is written too, so that none is ever overwritten).
std::string PageSuffix(const std::filesystem::path& output, const std::string& baseName,
                       bool withPbn = false);

// A folder as the messages show it: in the capitalised display form where file names ignore
// case, as it is where case tells names apart (there the form would name another folder).
std::string ShownFolder(const std::filesystem::path& folder);

// Reads, scores and writes everything; prints what it did.
SummaryResult MakeSummaries(const SummaryJob& job);

}  // namespace tallowen
