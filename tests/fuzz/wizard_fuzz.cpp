// The wizard's flow, decided without windows, and the frame's geometry.
//
// Input: "kind uninstall present installed pnpMode" on the first line, the user's
// answers on the second (y: Next, Finish or Yes; anything else: Cancel or No), the
// screen's "width height" on the third.
//
// Properties:
// - every step is a wizard message, or the end; only the exit confirmation carries
//   where to return to, and it returns there;
// - the installation starts only when installing with a reader, or on Windows 98
//   without one, and on 2000 and later only after the PNP Disk step; the removal only
//   when removing with a reader and the driver installed; a preset PNP_Mode decides
//   PNP Disk without asking;
// - once the user only confirms, the wizard ends within a few steps;
// - the gradient's 255 bands cover the screen from the top down without a gap, in
//   falling blue; the compact window is 400 x 75 and centred.
#include <set>

#include "fuzz_support.h"
#include "ui/frame_geometry.h"
#include "ui/wizard_flow.h"

namespace {

const std::set<unsigned> MESSAGES = {WM_WIZ_WELCOME,   WM_WIZ_PNPDISK,       WM_WIZ_INSTALL,      WM_WIZ_SETUP_DONE,
                                     WM_WIZ_NO_DEVICE, WM_WIZ_REMOVE,        WM_WIZ_REMOVE_DONE,  WM_WIZ_CONFIRM_EXIT,
                                     WM_WIZ_NOT_INSTALLED};

void WalkTheWizard(SetupState& s, const std::string& answers) {
    WizardStep step = {WM_WIZ_WELCOME, 0};
    bool pnpDiskSeen = false;
    size_t answered = 0, stepsAfterAnswers = 0;
    while (step.message != END_WIZARD.message) {
        FUZZ_CHECK(MESSAGES.count(step.message), std::to_string(step.message));
        FUZZ_CHECK(step.message == WM_WIZ_CONFIRM_EXIT
                       ? step.wParam == RETURN_TO_WELCOME || step.wParam == RETURN_TO_PNP_DISK
                       : step.wParam == 0,
                   "wParam");
        const bool yes = answered < answers.size() ? answers[answered++] == 'y' : true;
        if (answered >= answers.size()) FUZZ_CHECK(++stepsAfterAnswers <= 6, "the wizard does not end");
        WizardStep next = END_WIZARD;
        switch (step.message) {
        case WM_WIZ_WELCOME: next = AfterWelcome(yes, s); break;
        case WM_WIZ_PNPDISK:
            FUZZ_CHECK(!s.uninstallMode && IsNtFamily(s.osKind), "PNP Disk step");
            pnpDiskSeen = true;
            if (PnpDiskIsPreset(s.pnpMode)) {
                s.pnpDiskEnabled = PresetPnpDiskEnabled(s.pnpMode);
                FUZZ_CHECK(s.pnpDiskEnabled == (s.pnpMode == 1), std::to_string(s.pnpMode));
                next = {WM_WIZ_INSTALL, 0};
            } else {
                FUZZ_CHECK(s.pnpMode == -1, std::to_string(s.pnpMode));
                next = AfterPnpDiskPage(yes);
            }
            break;
        case WM_WIZ_INSTALL:
            FUZZ_CHECK(!s.uninstallMode && (s.devicePresent || s.osKind == OS_WIN98), "installation");
            FUZZ_CHECK(pnpDiskSeen == IsNtFamily(s.osKind), "PNP Disk before the installation");
            next = {WM_WIZ_SETUP_DONE, 0};
            break;
        case WM_WIZ_REMOVE:
            FUZZ_CHECK(s.uninstallMode && s.devicePresent && s.driverInstalled, "removal");
            next = {WM_WIZ_REMOVE_DONE, 0};
            break;
        case WM_WIZ_CONFIRM_EXIT:
            next = AfterExitConfirmation(yes, step.wParam);
            if (!yes) {
                FUZZ_CHECK(next.message == (step.wParam == RETURN_TO_PNP_DISK ? WM_WIZ_PNPDISK : WM_WIZ_WELCOME),
                           "back where it came from");
            }
            break;
        default: break;   // the last pages end the wizard
        }
        step = next;
    }
}

void CheckGeometry(int width, int height) {
    Rect previous = {0, 0, width, 0};
    for (int k = 0; k < GRADIENT_BANDS; ++k) {
        const Rect band = GradientBand(k, width, height);
        FUZZ_CHECK(band.left == 0 && band.right == width && band.top <= band.bottom, std::to_string(k));
        FUZZ_CHECK(band.top <= previous.bottom && band.top >= previous.top, "a gap above band " + std::to_string(k));
        FUZZ_CHECK(GradientBlue(k) == 255 - k && (k == 0 || GradientBlue(k) < GradientBlue(k - 1)), "blue");
        previous = band;
    }
    if (height >= GRADIENT_BANDS) FUZZ_CHECK(previous.bottom >= height, "the bottom of the screen uncovered");
    const Rect compact = CompactFrameRect(width, height);
    FUZZ_CHECK(compact.right - compact.left == COMPACT_WIDTH && compact.bottom - compact.top == COMPACT_HEIGHT, "size");
    FUZZ_CHECK(abs(2 * compact.left + COMPACT_WIDTH - width) <= 1 && abs(2 * compact.top + COMPACT_HEIGHT - height) <= 1,
               "centred");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> lines = fuzz::Lines(data, size);
    while (lines.size() < 3) lines.emplace_back();
    long kind = 0, uninstall = 0, present = 0, installed = 0, pnpMode = -1, width = 0, height = 0;
    sscanf(lines[0].c_str(), "%ld %ld %ld %ld %ld", &kind, &uninstall, &present, &installed, &pnpMode);
    sscanf(lines[2].c_str(), "%ld %ld", &width, &height);
    SetupState s{};
    s.osKind = static_cast<OsKind>(static_cast<unsigned long>(kind) % 9);
    s.uninstallMode = uninstall != 0;
    s.devicePresent = present != 0;
    s.driverInstalled = installed != 0;
    s.pnpMode = static_cast<int32_t>(pnpMode);
    WalkTheWizard(s, lines[1]);
    // GetSystemMetrics' screens: up to 16384 pixels a side.
    CheckGeometry(static_cast<int>(static_cast<unsigned long>(width) % 16385),
                  static_cast<int>(static_cast<unsigned long>(height) % 16385));
    return 0;
}
