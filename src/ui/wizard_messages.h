// The wizard's steps: messages the main frame posts to itself.
#pragma once

#define WM_WIZ_WELCOME (0x0400 + 16)
#define WM_WIZ_PNPDISK (0x0400 + 17)
#define WM_WIZ_INSTALL (0x0400 + 18)
#define WM_WIZ_SETUP_DONE (0x0400 + 19)
#define WM_WIZ_NO_DEVICE (0x0400 + 21)
#define WM_WIZ_REMOVE (0x0400 + 22)
#define WM_WIZ_REMOVE_DONE (0x0400 + 23)
#define WM_WIZ_CONFIRM_EXIT (0x0400 + 24)   // wParam: the step to return to
#define WM_WIZ_NOT_INSTALLED (0x0400 + 25)
#define WM_WIZ_INSTALL_FINISHED (0x0400 + 26)   // from the install worker thread
