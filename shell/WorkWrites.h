// Writing into the Work folder, which may fail for a while (a full disk, the folder removed or
// replaced by a file): the auction file and a finished record are kept in memory and written
// as soon as the folder takes them, and the user is told once when a fault begins and once
// when it is over.
#pragma once

#include <string>

#include "shell/AppContext.h"

namespace tallowen {

// Keeps the capture deal's auction and writes "BridgeBid.brg" from it; when the file cannot
// be written, the auction stays in memory and is written later.
void KeepAuction(AppContext& app);

// Joins the kept auction to `deal`: from "BridgeBid.brg", or from memory when the file cannot
// be read back. False (and told) when neither has it.
bool JoinKeptAuction(AppContext& app, Deal& deal);

// Writes a finished record; a record still unwritten from the board before is tried first
// and given up (counted in recordsLostToWrites) when it still fails. Returns the record name,
// or "" when the record is kept in memory to be written later.
std::string WriteRecord(AppContext& app, const Deal& record);

// On every tick: writes what could not be written before.
void WriteUnwritten(AppContext& app);

}  // namespace tallowen
