#include "records/RecordFiles.h"

#include "common/Files.h"
#include "records/RecordReader.h"
#include "records/RecordWriter.h"

namespace tallowen {

namespace {
// Upper bound of names tried in one go, so that a Work folder full of taken names cannot
// keep the recorder looping.
constexpr int kMaxNameTries = 100000;

RecordResult Failure(std::string error) {
    RecordResult result;
    result.ok = false;
    result.error = std::move(error);
    return result;
}

// The file system of the user's machine does not tell case apart; a copied "10_22_001.BRG"
// is the same record there, so it is looked up the same way here.
bool RecordFileExists(const Folders& folders, const std::string& fileName) {
    return FindFileNoCase(folders.Work(), fileName).has_value();
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
    std::string error = parse(text.lines, deal);
    if (!error.empty()) return Failure(fileName + ": " + error);
    return {};
}
}  // namespace

RecordResult WriteDealFile(const Deal& deal, RecordNaming& naming, const Folders& folders,
                           const CodePage& page, RecordListener* listener) {
    EnsureFolder(folders.Work());
    std::string name = RecordName(naming.RecordPrefix, naming.RecordCounter);
    for (int tries = 0; RecordFileExists(folders, RecordFileName(name)); ++tries) {
        if (tries >= kMaxNameTries) return Failure(RecordFileName(name) + ": no free record name");
        ++naming.RecordCounter;
        name = RecordName(naming.RecordPrefix, naming.RecordCounter);
    }
    FileResult written = WriteTextLines(folders.WorkFile(RecordFileName(name)),
                                        DealFileLines(deal, page), page, /*replace=*/false);
    if (!written.ok) return Failure(written.error);
    ++naming.RecordCounter;
    if (listener) listener->RecordWritten(name);
    RecordResult result;
    result.name = name;
    result.lossy = written.lossy;
    return result;
}

RecordResult WriteBidFile(const Deal& deal, const Folders& folders, const CodePage& page) {
    EnsureFolder(folders.Work());
    FileResult written = WriteTextLines(BidFilePath(folders), BidFileLines(deal, page), page);
    if (!written.ok) return Failure(written.error);
    RecordResult result;
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

}  // namespace tallowen
