// The wizard's order: which step follows which, decided without any window.
#pragma once
#include <stdint.h>

#include "../state/setup_state.h"
#include "wizard_messages.h"

// What a step leads to: the next wizard message (with its wParam), or the end.
struct WizardStep {
    unsigned message;   // 0: end the message loop
    uintptr_t wParam;
};

const WizardStep END_WIZARD = {0, 0};

// The steps that the exit confirmation returns to.
const uintptr_t RETURN_TO_WELCOME = 1;
const uintptr_t RETURN_TO_PNP_DISK = 2;

WizardStep AfterWelcome(bool confirmed, const SetupState& state);

// PNP_Mode from setup.ini: -1 asks the user, 1 turns PNP Disk on, anything else off.
bool PnpDiskIsPreset(int32_t pnpMode);
bool PresetPnpDiskEnabled(int32_t pnpMode);
WizardStep AfterPnpDiskPage(bool confirmed);

WizardStep AfterExitConfirmation(bool confirmed, uintptr_t returnTo);

