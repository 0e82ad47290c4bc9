// Where the "delete all" dialog stands and how it is sized: the same dialog in two languages
// and two modes, shrunk to the lines it prints.
#pragma once

#include <string>

#include "platform/Desktop.h"

namespace tallowen {

struct DialogButton {
    std::string caption;
    Rect place;        // client pixels
    std::string font;  // empty: the dialog's font
    double points = 11;
};

struct DelWorkLayout {
    Point offset;               // of the dialog's top left from the main window's top left
    int width = 0, height = 0;  // client area
    double textPoints = 11;
    int lineHeight = 0;
    DialogButton remove, cancel;  // cmdDelete, cmdCancel
};

// `caption` is the dialog's (also the delete button's); `lines` the count of text lines;
// `lineHeight` what one line of the dialog's font takes.
DelWorkLayout LayoutDelWork(bool japanese, bool restore, const std::string& interfaceFont,
                            const std::string& caption, int lines, int lineHeight);

}  // namespace tallowen
