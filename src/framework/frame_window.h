// A frame window: title, icon and menu from one resource id, and a pane child
// (id 0xE900) that always fills the client area.
#pragma once
#include "window.h"

namespace framework {

const UINT PANE_ID = 0xE900;

class FrameWindow : public Window {
public:
    // Creates the frame with the title string, icon and menu of resourceId.
    bool LoadFrame(UINT resourceId, DWORD style);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    virtual int OnCreate(CREATESTRUCTA* cs);
    virtual void OnSetFocus();
    // Keeps the pane child over the whole client area.
    void RecalcLayout();

    UINT resourceId_ = 0;
};

}  // namespace framework
