// Placeholder bodies until this part of the watcher is written.
#include "shell/RecordList.h"

namespace tallowen {
void RefreshFileBox(AppContext& /*app*/) {}
void filBox_Click(AppContext& /*app*/, const std::string& /*name*/) {}
void Show_File(AppContext& /*app*/, const std::string& /*name*/) {}
void filBox_KeyDown(AppContext& /*app*/, int /*keyCode*/) {}
void filBox_MouseDown(AppContext& /*app*/, int /*button*/) {}
void DelFilboxFile(AppContext& /*app*/) {}
void cmdDEL_Click(AppContext& /*app*/) {}
void cmdUndo_Click(AppContext& /*app*/) {}
void cmdDelFiles_Click(AppContext& /*app*/) {}
void cmdDelFiles_MouseDown(AppContext& /*app*/, int /*button*/) {}
bool ClearOrRestoreWork(AppContext& /*app*/) {
    return false;
}

}  // namespace tallowen
