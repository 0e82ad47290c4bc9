// Each record as the watcher writes it, read back once, at once: what the watcher wrote is
// what counts, even when the Work folder changes later. The printed line, the account of a
// session and the tests all take the records from here.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "records/Deal.h"
#include "records/RecordFiles.h"

namespace tallowen {

class CodePage;
struct Folders;

struct RecordRead {
    std::string name;
    bool ok = false;
    std::string error;  // why it could not be read
    Deal deal;          // as the file holds it
};

RecordRead ReadRecord(const Folders& folders, const std::string& name, const CodePage& page);

class RecordsRead final : public RecordListener {
public:
    RecordsRead(const Folders& folders, const CodePage& page) : folders_(folders), page_(page) {}
    void RecordWritten(const std::string& name) override;

    std::vector<RecordRead> read;                   // in the order written
    std::function<void(const RecordRead&)> onRead;  // told of each as it is read
    // The records that could be read, by name.
    std::map<std::string, Deal> Readable() const;

private:
    const Folders& folders_;
    const CodePage& page_;
};

}  // namespace tallowen
