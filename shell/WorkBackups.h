// Moving records of the Work folder to their backup names and back. A rename never replaces
// a file: when the target name is taken both files stay and the reason comes back.
#pragma once

#include <string>
#include <vector>

#include "common/Files.h"

namespace tallowen {

// "name.brg" becomes "BAKname.brg". Returns an empty text, or what went wrong.
std::string BackUpRecord(const Folders& folders, const std::string& recordName);
// "BAKname.brg" becomes "name.brg". Returns an empty text, or what went wrong.
std::string RestoreRecord(const Folders& folders, const std::string& recordName);
// Deletes every "BAK*.brg" of the Work folder. Returns an empty text, or what went wrong.
std::string DeleteBackups(const Folders& folders);

// One message for a run of operations: the first failure and how many more there were;
// empty when every text is empty.
std::string SummariseFailures(const std::vector<std::string>& failures);

}  // namespace tallowen
