#include "shell/ViewFacts.h"

#include "shell/FormLoad.h"
#include "shell/Messages.h"

namespace tallowen {

ViewLook LookOf(const AppContext& app) {
    ViewLook look;
    look.japanese = app.jpnInterface;
    look.designFont = DesignFont(app);
    look.interfaceFont = app.interfaceFont;
    look.backColor = app.settings.backColor.value_or(kDesignBack);
    look.backColor2 = app.settings.backColor2;
    return look;
}

ClientFacts ClientOf(const AppContext& app) {
    return ClientFacts{app.Language(), app.game.windows.titleBarAllowance};
}

BoardSetup BoardSetupOf(const AppContext& app) {
    BoardSetup setup;
    setup.opening = BoardOpening(app.display.boardRect, app.settings.showBiddingSequence);
    BoardLayout& layout = setup.layout;
    layout.japaneseInterface = app.jpnInterface;
    layout.language = app.Language();
    layout.spareHeight = app.game.windows.titleBarAllowance;
    layout.runtimeKind = app.game.reading.glyphs.currentSet;  // the client's Java runtime
    layout.backColor = LookOf(app).backColor;
    layout.screenBottom = app.seams.desktop.DesktopRect().bottom;
    return setup;
}

void AppViewEvents::MainWindowPlaced(WindowHandle window, Rect place) {
    tallowen::MainWindowPlaced(app_, window, place);
}

void AppViewEvents::BoardMoved(Rect place) {
    tallowen::BoardMoved(app_, place);
}

void AppViewEvents::SideWindowClosed(bool board) {
    tallowen::SideWindowClosed(app_, board);
}

void AppViewEvents::MessageClosed() {
    tallowen::MessageClosed(app_);
}

}  // namespace tallowen
