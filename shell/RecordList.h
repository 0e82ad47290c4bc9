// The record list of the main window: showing a record, deleting records to backups, and
// emptying or restoring the whole Work folder.
#pragma once

#include <string>

#include "shell/AppContext.h"

namespace tallowen {

constexpr int kDeleteKey = 46;

void RefreshFileBox(AppContext& app);
// A record just written joins the list, without reading the Work folder again.
void AddToFileBox(AppContext& app, const std::string& name);
void filBox_Click(AppContext& app, const std::string& name);
void Show_File(AppContext& app, const std::string& name);
void filBox_KeyDown(AppContext& app, int keyCode);
void filBox_MouseDown(AppContext& app, int button);
void DelFilboxFile(AppContext& app);
void cmdDEL_Click(AppContext& app);
void cmdUndo_Click(AppContext& app);
void cmdDelFiles_Click(AppContext& app);
void cmdDelFiles_MouseDown(AppContext& app, int button);
// Returns whether the dialog was answered with its delete (or restore) button.
bool ClearOrRestoreWork(AppContext& app);

}  // namespace tallowen
