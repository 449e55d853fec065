#include <gtest/gtest.h>

#include "ui/frame_geometry.h"
#include "ui/wizard_flow.h"

namespace {

SetupState Facts(bool uninstall, bool device, OsKind kind, bool installed = true) {
    SetupState s{};
    s.uninstallMode = uninstall;
    s.devicePresent = device;
    s.driverInstalled = installed;
    s.osKind = kind;
    return s;
}

void ExpectStep(unsigned message, uintptr_t wParam, WizardStep step) {
    EXPECT_EQ(message, step.message);
    EXPECT_EQ(wParam, step.wParam);
}

}  // namespace

TEST(WizardFlow, WelcomeLeadsByModeDeviceAndFamily) {
    struct Case {
        bool uninstall, device, installed;
        OsKind kind;
        unsigned next;
    } cases[] = {
        {true, false, true, OS_WINXP, WM_WIZ_NO_DEVICE},
        {true, false, true, OS_WIN98, WM_WIZ_NO_DEVICE},   // 98 removes nothing without the reader
        {true, true, true, OS_WINXP, WM_WIZ_REMOVE},
        {true, true, false, OS_WINXP, WM_WIZ_NOT_INSTALLED},
        {false, true, true, OS_WIN98, WM_WIZ_INSTALL},
        {false, false, true, OS_WIN98, WM_WIZ_INSTALL},    // 98 installs without the reader
        {false, true, true, OS_WINME, WM_WIZ_INSTALL},
        {false, true, true, OS_UNSUPPORTED, WM_WIZ_INSTALL},
        {false, false, true, OS_UNSUPPORTED, WM_WIZ_NO_DEVICE},
        {false, false, true, OS_WINME, WM_WIZ_NO_DEVICE},
        {false, true, true, OS_WIN2000, WM_WIZ_PNPDISK},
        {false, true, true, OS_VISTA64, WM_WIZ_PNPDISK},
        {false, false, true, OS_WINXP, WM_WIZ_NO_DEVICE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.uninstall << c.device << c.installed << " kind " << int(c.kind));
        ExpectStep(c.next, 0, AfterWelcome(true, Facts(c.uninstall, c.device, c.kind, c.installed)));
        ExpectStep(WM_WIZ_CONFIRM_EXIT, RETURN_TO_WELCOME, AfterWelcome(false, Facts(c.uninstall, c.device, c.kind)));
    }
}

TEST(WizardFlow, PnpDiskAndExitConfirmationReturnWhereTheyCameFrom) {
    EXPECT_FALSE(PnpDiskIsPreset(-1));
    for (int mode : {0, 1, 2, 5, -2}) {
        EXPECT_TRUE(PnpDiskIsPreset(mode));
        EXPECT_EQ(mode == 1, PresetPnpDiskEnabled(mode)) << mode;
    }
    ExpectStep(WM_WIZ_INSTALL, 0, AfterPnpDiskPage(true));
    ExpectStep(WM_WIZ_CONFIRM_EXIT, RETURN_TO_PNP_DISK, AfterPnpDiskPage(false));
    ExpectStep(END_WIZARD.message, 0, AfterExitConfirmation(true, RETURN_TO_PNP_DISK));
    ExpectStep(WM_WIZ_WELCOME, 0, AfterExitConfirmation(false, RETURN_TO_WELCOME));
    ExpectStep(WM_WIZ_PNPDISK, 0, AfterExitConfirmation(false, RETURN_TO_PNP_DISK));
}

TEST(FrameGeometry, GradientCoversTheScreenAndCompactWindowIsCentred) {
    struct Case {
        int width, height, lastTop;
    } cases[] = {{1024, 768, 762}, {1920, 1080, 1016}, {1280, 1024, 1016}};
    for (const Case& c : cases) {
        Rect first = GradientBand(0, c.width, c.height);
        Rect last = GradientBand(GRADIENT_BANDS - 1, c.width, c.height);
        EXPECT_EQ(0, first.top);
        EXPECT_EQ(c.width, first.right);
        EXPECT_EQ(c.lastTop, last.top);
        EXPECT_GE(last.bottom, c.height) << "the last band reaches the bottom";
        // Filled top down, each band shows as a strip of screen height / 255 rows.
        for (int k = 1; k < GRADIENT_BANDS; ++k) {
            EXPECT_EQ(GradientBand(k - 1, c.width, c.height).top + c.height / 255, GradientBand(k, c.width, c.height).top);
        }
    }
    EXPECT_EQ(255, GradientBlue(0));
    EXPECT_EQ(1, GradientBlue(254));

    Rect compact = CompactFrameRect(1024, 768);
    EXPECT_EQ(312, compact.left);
    EXPECT_EQ(346, compact.top);
    EXPECT_EQ(400, compact.right - compact.left);
    EXPECT_EQ(75, compact.bottom - compact.top);
    compact = CompactFrameRect(1280, 1024);
    EXPECT_EQ(440, compact.left);
    EXPECT_EQ(474, compact.top);
}
