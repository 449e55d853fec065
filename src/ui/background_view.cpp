#include "background_view.h"
#include "frame_geometry.h"
#include "../state/setup_state.h"

bool BackgroundView::PreCreateWindow(CREATESTRUCTA& cs) {
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    cs.style &= ~WS_BORDER;
    cs.lpszClass = framework::RegisterWindowClass(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW),
                                                  reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
    return cs.lpszClass != nullptr;
}

LRESULT BackgroundView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        OnPaint();
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

void BackgroundView::OnPaint() {
    if (paintSuppressed) {
        // Nothing to draw, but the update region still has to be validated.
        ValidateRect(Handle(), nullptr);
        return;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    for (int k = 0; k < GRADIENT_BANDS; ++k) {
        Rect band = GradientBand(k, GetSystemMetrics(SM_CXSCREEN), screenHeight);
        RECT r = {band.left, band.top, band.right, band.bottom};
        HBRUSH brush = CreateSolidBrush(RGB(0, 0, GradientBlue(k)));
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }

    HFONT font = CreateFontA(48, 0, 0, 0, FW_NORMAL, TRUE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
    HGDIOBJ previous = SelectObject(dc, font);
    const char* title = setupState.titleText;
    int length = lstrlenA(title);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 13, 13, title, length);
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 10, 10, title, length);
    SelectObject(dc, previous);
    DeleteObject(font);
    EndPaint(Handle(), &paint);
}
