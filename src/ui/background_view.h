// The frame's pane: a blue gradient over the whole screen with the wizard's title.
#pragma once
#include "../framework/window.h"

class BackgroundView : public framework::Window {
public:
    // True in compact progress mode: the view then paints nothing.
    BOOL paintSuppressed = FALSE;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;

private:
    void OnPaint();
};
