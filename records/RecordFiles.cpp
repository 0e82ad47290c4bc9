#include "records/RecordFiles.h"

#include <algorithm>

#include "common/Files.h"
#include "common/Text.h"
#include "records/RecordReader.h"
#include "records/RecordWriter.h"

namespace tallowen {

namespace {
// Upper bound of names tried in one go, so that a Work folder full of taken names cannot
// keep the recorder looping.
constexpr int kMaxNameTries = 100000;

RecordResult Failure(std::string error) {
    RecordResult result;
    result.error = std::move(error);
    return result;
}

RecordResult Success() {
    RecordResult result;
    result.ok = true;
    return result;
}

// The file system of the user's machine does not tell case apart; a copied "10_22_001.BRG"
// is the same record there, so it is looked up the same way here.
// A record name has no letter but in its extension, so the eight ways of writing ".brg" are
// all the names such a file system takes for the same file: looked up one by one, without
// reading a folder of thousands of records for each new name.
bool RecordFileExists(const Folders& folders, const std::string& fileName) {
    const std::size_t stem = fileName.size() - std::min(fileName.size(), kRecordExtension.size());
    const bool plain = fileName.substr(stem) == kRecordExtension &&
                       fileName.find_first_not_of("0123456789_") >= stem;
    if (!plain) return FindFileNoCase(folders.Work(), fileName).has_value();
    for (int variant = 0; variant < 8; ++variant) {
        std::string name = fileName;
        for (int i = 0; i < 3; ++i)
            if (variant >> i & 1)
                name[stem + 1 + std::size_t(i)] = char(name[stem + 1 + std::size_t(i)] - 'a' + 'A');
        if (FileExists(folders.WorkFile(name))) return true;
    }
    return false;
}

std::filesystem::path BidFilePath(const Folders& folders) {
    if (auto found = FindFileNoCase(folders.Work(), kBidFileName)) return *found;
    return folders.WorkFile(kBidFileName);
}

RecordResult ReadLines(const std::filesystem::path& path, const std::string& fileName,
                       const CodePage& page, Deal& deal,
                       std::string (*parse)(const std::vector<std::string>&, Deal&)) {
    TextLines text = ReadTextLines(path, page);
    if (!text.ok) return Failure(text.error.empty() ? fileName + ": cannot be read" : text.error);
    Deal read = deal;
    std::string error = parse(text.lines, read);
    if (!error.empty()) return Failure(fileName + ": " + error);
    // Every line is written with its line end: a file whose last line lacks one was cut.
    if (!text.endsWithLineEnd) return Failure(fileName + ": cut short (its last line is unended)");
    deal = std::move(read);
    return Success();
}
}  // namespace

RecordResult WriteDealFile(const Deal& deal, RecordNaming& naming, const Folders& folders,
                           const CodePage& page, RecordListener* listener) {
    // A Work folder removed meanwhile is made again.
    if (const FileResult folder = EnsureFolder(folders.Work()); !folder.ok)
        return Failure(folder.error);
    std::string name = RecordName(naming.RecordPrefix, naming.RecordCounter);
    for (int tries = 0; RecordFileExists(folders, RecordFileName(name)); ++tries) {
        if (tries >= kMaxNameTries) return Failure(RecordFileName(name) + ": no free record name");
        ++naming.RecordCounter;
        name = RecordName(naming.RecordPrefix, naming.RecordCounter);
    }
    FileResult written =
        WriteTextLines(folders.WorkFile(RecordFileName(name)), DealFileLines(deal, page), page,
                       /*replace=*/false, Durability::Durable);
    if (!written.ok) return Failure(written.error);
    ++naming.RecordCounter;
    if (listener) listener->RecordWritten(name);
    RecordResult result = Success();
    result.name = name;
    result.lossy = written.lossy;
    return result;
}

RecordResult WriteBidFile(const Deal& deal, const Folders& folders, const CodePage& page) {
    if (const FileResult folder = EnsureFolder(folders.Work()); !folder.ok)
        return Failure(folder.error);
    FileResult written = WriteTextLines(BidFilePath(folders), BidFileLines(deal, page), page,
                                        /*replace=*/true, Durability::Durable);
    if (!written.ok) return Failure(written.error);
    RecordResult result = Success();
    result.lossy = written.lossy;
    return result;
}

RecordResult ReadBidFile(Deal& deal, const Folders& folders, const CodePage& page) {
    return ReadLines(BidFilePath(folders), std::string(kBidFileName), page, deal, ParseBidLines);
}

RecordResult ReadDealFile(Deal& deal, const std::string& recordName, const Folders& folders,
                          const CodePage& page) {
    std::string fileName = RecordFileName(recordName);
    // A record name is a plain file name of the Work folder, never a way out of it.
    if (recordName.empty() || recordName.find_first_of("/\\:") != std::string::npos)
        return Failure(fileName + ": not a record name");
    auto path = FindFileNoCase(folders.Work(), fileName).value_or(folders.WorkFile(fileName));
    return ReadLines(path, fileName, page, deal, ParseDealLines);
}

namespace {
// "MM_DD_NNN.brg" (or the 14-character name of a day's 1000th record on): its day's prefix,
// empty for any other name.
std::string DayPrefixOf(const std::string& fileName) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (fileName.size() != 13 && fileName.size() != 14) return "";
    if (!fileName.ends_with(kRecordExtension) || fileName[2] != '_' || fileName[5] != '_')
        return "";
    for (std::size_t i = 0; i + kRecordExtension.size() < fileName.size(); ++i)
        if (i != 2 && i != 5 && !digit(fileName[i])) return "";
    return fileName.substr(0, 6);
}
}  // namespace

std::vector<std::string> SettleWorkLeftovers(const Folders& folders, const CodePage& page) {
    std::vector<std::string> done;
    const std::vector<Leftover> leftovers = FindLeftovers(folders.Work());
    if (leftovers.empty()) return done;
    const std::vector<std::string> records = ScanWorkFiles(folders).work;
    for (const Leftover& left : leftovers) {
        const std::string target = PathToUtf8(left.target.filename());
        const std::string temporary = PathToUtf8(left.temporary.filename());
        const TextLines text = ReadTextLines(left.temporary, page);
        Deal deal;
        const std::string prefix = DayPrefixOf(target);
        const bool record = !prefix.empty() && text.ok && text.endsWithLineEnd &&
                            ParseDealLines(text.lines, deal).empty();
        std::error_code ec;
        // Killed between linking the record to its name and removing the temporary name, the
        // copy left the same file under both.
        const bool placed = std::filesystem::equivalent(left.temporary, left.target, ec);
        if (!record || placed) {
            std::filesystem::remove(left.temporary, ec);
            done.push_back(temporary + (placed ? ": already in place" : ": removed"));
            continue;
        }
        // The finished record of a killed copy: kept under the next free name of its day.
        RecordNaming own{prefix, 1};
        for (const std::string& name : records)
            if (name.starts_with(prefix))
                own.RecordCounter =
                    std::max(own.RecordCounter, std::int32_t(LeadingNumber(name.substr(6)) + 1));
        const RecordResult written = WriteDealFile(deal, own, folders, page, nullptr);
        if (!written.ok) {
            done.push_back(temporary + ": " + written.error);
            continue;
        }
        std::filesystem::remove(left.temporary, ec);
        done.push_back(temporary + ": kept as " + written.name);
    }
    return done;
}

}  // namespace tallowen
