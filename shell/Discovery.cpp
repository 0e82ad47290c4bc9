// Placeholder bodies until this part of the watcher is written.
#include "shell/Discovery.h"

namespace tallowen {
void ScanTopWindows(AppContext& /*app*/) {}
void LookupAllKinds(AppContext& /*app*/) {}
void LookupKind(AppContext& /*app*/, WindowKind /*kind*/) {}
void PlaceWindow(AppContext& /*app*/, WindowKind /*kind*/) {}
void SetWinGame(AppContext& /*app*/) {}
void GetSubWindows(AppContext& /*app*/) {}
void NotExistProcess(AppContext& /*app*/, WindowKind /*kind*/, int /*messageCode*/) {}
void SetBox(AppContext& /*app*/, int /*swtch*/) {}
void LoadBoxWindow(AppContext& /*app*/) {}

}  // namespace tallowen
