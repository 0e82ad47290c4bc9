#include "report/Summaries.h"

#include <memory>
#include <optional>
#include <set>

#include "common/CodePages.h"
#include "common/Text.h"
#include "platform/CodePage.h"
#include "platform/Process.h"
#include "records/LogSink.h"
#include "records/PlayAnalysis.h"
#include "records/RecordFiles.h"
#include "report/BoardHtml.h"
#include "report/BoardText.h"
#include "report/DdCache.h"
#include "report/PageHead.h"
#include "report/PbnWriter.h"

namespace tallowen {

namespace {

namespace fs = std::filesystem;

// Solved boards between saves of the double-dummy cache in a long run.
constexpr int kCacheSaveEvery = 2000;

std::string Say(const PageStyle& style, std::string_view japanese, std::string_view english) {
    return std::string(style.japanese ? japanese : english);
}

// The page of one day while its boards are written.
struct OpenPage {
    std::string day;       // "10_22"
    std::string fileBase;  // "2006_10_22" + suffix
    std::string displayDate;
    PageText html;
    std::optional<TextTwin> text;
    int boards = 0;
    // The day's boards wait here until the page closes: the double-dummy solver takes them in
    // batches, and the PBN file needs to know their names' character set.
    std::vector<Board> pending;
};

class SummaryWriter {
public:
    explicit SummaryWriter(const SummaryJob& job) : job_(job), msg_(*job.messages) {}

    SummaryResult Run();

private:
    bool ReadBoard(const std::string& record, Deal& deal);
    void OpenNewPage(const std::string& record);
    void ClosePage(bool last);
    // Writes the day's boards into the page and its twin; returns the PBN file's boards.
    PageText WritePending();
    void SavePbn(const OpenPage& page, const PageText& body);
    void Save(const std::string& fileName, const PageText& text, const CodePage& page, bool html);
    void LoadCache();
    void SaveCache();
    void PrintOutcome();
    const CodePage& HtmlCodePage() const;

    const SummaryJob& job_;
    MessageSink& msg_;
    SummaryResult result_;
    std::optional<OpenPage> page_;
    std::optional<DdCache> cache_;  // with double dummy on
    Utf8CodePage utf8_;
    AsciiCodePage ascii_;
};

const CodePage& SummaryWriter::HtmlCodePage() const {
    // A page is written in the character set it declares.
    if (!job_.style.japanese) return utf8_;
    if (job_.sjisPage) return *job_.sjisPage;
    return ascii_;
}

bool SummaryWriter::ReadBoard(const std::string& record, Deal& deal) {
    RecordResult read = ReadDealFile(deal, record, job_.folders, *job_.textPage);
    if (!read.ok) {
        result_.errors.push_back(read.error);
        result_.unreadable.push_back(record);
        msg_.Print("  " + read.error);
        msg_.NewLines(1);
        return false;
    }
    NullLogSink log;
    DeriveDeal(deal, job_.cardOrder, log);
    return true;
}

void SummaryWriter::OpenNewPage(const std::string& record) {
    OpenPage& page = page_.emplace();
    page.day = record.substr(0, 5);
    int year = job_.clock->FileYear(job_.folders.WorkFile(record + ".brg"));
    std::string base = NumText(year) + "_" + page.day;
    page.fileBase = base + PageSuffix(job_.output, base, job_.pbnOutput);
    page.displayDate = base;
    page.displayDate[4] = '/';
    page.displayDate[7] = '/';
    if (job_.style.textOutput) page.text.emplace(*job_.textPage);
    WritePageHead(page.html, job_.style, base, kUtilityProgram, kUtilityVersion,
                  job_.clock->ShortDate());
}

void SummaryWriter::Save(const std::string& fileName, const PageText& text, const CodePage& page,
                         bool html) {
    // The name was chosen free; a file that appeared meanwhile is never overwritten.
    fs::path path = job_.output / PathFromUtf8(fileName);
    FileResult saved = html ? SaveHtmlNew(path, text, page) : SaveTextNew(path, text, page);
    if (saved.ok) {
        result_.pages.push_back(fileName);
        return;
    }
    result_.errors.push_back(saved.error);
    (saved.exists ? result_.alreadyMade : result_.notMade).push_back(fileName);
    msg_.Print("  " + saved.error);
    msg_.NewLines(1);
}

void SummaryWriter::SavePbn(const OpenPage& page, const PageText& body) {
    PageText pbn;
    WritePbnHead(pbn, std::string(kUtilityProgram) + kUtilityVersion);
    for (const std::string& line : body.Lines()) pbn.Line(line);
    const std::string name = page.fileBase + ".pbn";
    msg_.Print("  " + name);
    msg_.NewLines(1);
    Save(name, pbn, Latin1CodePage(), false);
}

PageText SummaryWriter::WritePending() {
    OpenPage& page = *page_;
    if (job_.style.doubleDummy) {
        std::vector<const Deal*> deals;
        for (const Board& board : page.pending) deals.push_back(&board.deal);
        std::vector<DdResult> dd = AnalyseDeals(deals, cache_ ? &*cache_ : nullptr);
        for (std::size_t i = 0; i < dd.size(); ++i) page.pending[i].dd = std::move(dd[i]);
        // A long first run keeps what it solved as it goes, not only at the end.
        if (cache_ && cache_->Added() >= kCacheSaveEvery) SaveCache();
    }
    const PageContext ctx{job_.style, *job_.metrics};
    std::string date = page.displayDate;
    for (char& ch : date)
        if (ch == '/') ch = '.';
    PageText pbn;
    for (const Board& board : page.pending) {
        WriteBoardHtml(page.html, ctx, board);
        if (page.text) {
            WriteBoardTextHeader(*page.text, board);
            WriteBoardText(*page.text, board);
        }
        if (job_.pbnOutput) WritePbnBoard(pbn, board, date, board.dd ? &*board.dd : nullptr);
    }
    return pbn;
}

void SummaryWriter::ClosePage(bool last) {
    OpenPage& page = *page_;
    const PageText pbn = WritePending();
    if (page.boards > 0) {
        WritePageEndRule(page.html);
        if (page.text) page.text->Text().Line(std::string(kTextPageRule, '='));
    }
    const std::string htmName = page.fileBase + ".htm";
    const std::string txtName = page.fileBase + ".txt";
    // Each name ends its line before the file is saved, so that an error stands on its own.
    msg_.Print("  " + htmName + "  <==  " + NumText(page.boards) + " Boards");
    msg_.NewLines(1);
    if (page.text) {
        msg_.Print("  " + txtName);
        msg_.NewLines(1);
        if (last)
            WriteTextClosing(*page.text, job_.clock->ShortDate(), kUtilityProgram, kUtilityVersion);
        Save(txtName, page.text->Text(), *job_.textPage, false);
    }
    if (job_.pbnOutput) SavePbn(page, pbn);
    WritePageFoot(page.html, job_.style);
    Save(htmName, page.html, HtmlCodePage(), true);
    page_.reset();
}

void SummaryWriter::LoadCache() {
    cache_.emplace(SolverVersion());
    cache_->Load(job_.output / kDdCacheName);
    if (cache_->Rejected() == 0) return;
    msg_.Print("  " + std::string(kDdCacheName) + ": " + NumText(cache_->Rejected()) +
               " entries could not be trusted; their boards are solved again.");
    msg_.NewLines(1);
}

void SummaryWriter::SaveCache() {
    if (cache_->Added() == 0) return;
    FileResult saved = cache_->Save(job_.output / kDdCacheName);
    if (saved.ok) return;
    result_.errors.push_back(saved.error);
    result_.notMade.push_back(kDdCacheName);
    msg_.Print("  " + saved.error);
    msg_.NewLines(1);
}

// What was made, and first what was not: the closing lines never claim a file that is not
// there.
void SummaryWriter::PrintOutcome() {
    const PageStyle& style = job_.style;
    if (!result_.notMade.empty()) {
        msg_.Print(
            Say(style, " 次のファイルは作成できませんでした.", " These files could not be made:"));
        msg_.NewLines(1);
        for (const std::string& name : result_.notMade) {
            msg_.Print("  " + name);
            msg_.NewLines(1);
        }
        msg_.NewLines(1);
    }
    // A page another copy made at the same moment is there all the same.
    if (result_.pages.empty() && result_.alreadyMade.empty()) {
        msg_.Print(Say(style, " 下記のフォルダにファイルは作成されませんでした.",
                       " No files have been made in folder"));
    } else if (!result_.notMade.empty()) {
        msg_.Print(Say(style, " 上記の他のファイルは，下記のフォルダに作成されました.",
                       " The other files above have been made in folder"));
    } else {
        msg_.Print(Say(style, " 上記のファイルは，下記のフォルダに作成されました.",
                       " The above files have been made in folder"));
    }
    msg_.NewLines(2);
}

SummaryResult SummaryWriter::Run() {
    const PageStyle& style = job_.style;
    WorkFiles scan = ScanWorkFiles(job_.folders);
    result_.workFiles = static_cast<int>(scan.work.size());
    msg_.Print(style.japanese
                   ? "   作業ファイル (brg) = " + NumText(result_.workFiles) + " 個."
                   : "  Number of work files (brg) input = " + NumText(result_.workFiles));
    msg_.NewLines(2);
    if (scan.work.empty()) {
        msg_.Print(Say(style, "  Workフォルダの中に作業ファイルはありません.",
                       "  No files in the Work folder."));
        msg_.NewLines(2);
        msg_.Print(msg_.HasEndButton() ? Say(style, "  「終了」ボタンを押して下さい.",
                                             "  Click END button and terminate job.")
                                       : Say(style, "  終了します.", "  Nothing to do."));
        msg_.NewLines(1);
        return result_;
    }
    if (style.doubleDummy) LoadCache();
    for (const std::string& record : scan.work) {
        Board board;
        if (!ReadBoard(record, board.deal)) continue;
        if (page_ && page_->day != record.substr(0, 5)) ClosePage(false);
        if (!page_) OpenNewPage(record);
        board.number = ++page_->boards;
        board.displayDate = page_->displayDate;
        MakeNameForms(board, *job_.metrics);
        ++result_.boards;
        page_->pending.push_back(std::move(board));
    }
    if (page_) ClosePage(true);
    if (cache_) SaveCache();
    PrintOutcome();
    msg_.PrintPath("  " + ShownFolder(job_.folders.app) +
                   std::string(1, static_cast<char>(fs::path::preferred_separator)) +
                   job_.outputName);
    msg_.NewLines(2);
    msg_.Print(msg_.HasEndButton() ? Say(style, "  「終了」ボタンを押して下さい.",
                                         "  Click END button and finish job.")
                                   : Say(style, "  終了しました.", "  Job finished."));
    msg_.NewLines(1);
    return result_;
}

}  // namespace

std::string PageSuffix(const fs::path& output, const std::string& baseName, bool withPbn) {
    // One listing of the folder, names compared without regard to case (as on Windows).
    std::set<std::string> present;
    std::error_code ec;
    for (fs::directory_iterator it(output, ec), end; !ec && it != end; it.increment(ec))
        present.insert(ToLower(PathToUtf8(it->path().filename())));
    int last = -1;
    for (int i = 0; i <= kMaxPageSuffixes; ++i) {
        std::string name = ToLower(baseName + (i == 0 ? "" : NumText(i - 1) + "A"));
        if (present.count(name + ".htm") || present.count(name + ".txt") ||
            (withPbn && present.count(name + ".pbn")))
            last = i;
    }
    return last < 0 ? std::string() : NumText(last) + "A";
}

std::string ShownFolder(const fs::path& folder) {
    const std::string path = PathToUtf8(folder);
    return FileNamesIgnoreCase() ? DisplayPath(path) : path;
}

bool SummaryFailed(const SummaryResult& result) {
    return !result.notMade.empty() || !result.unreadable.empty() ||
           (result.workFiles > 0 && result.pages.empty() && result.alreadyMade.empty());
}

SummaryResult MakeSummaries(const SummaryJob& job) {
    return SummaryWriter(job).Run();
}

}  // namespace tallowen
