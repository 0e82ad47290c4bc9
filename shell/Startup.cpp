// Placeholder bodies until this part of the watcher is written.
#include "shell/Startup.h"

namespace tallowen {
StartupResult InitWatcher(AppContext& /*app*/) {
    return {};
}

}  // namespace tallowen
