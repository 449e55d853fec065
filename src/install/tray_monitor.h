#pragma once

#include "../journal/journal.h"

// Starts the tray monitor, copied to monitorPath, with Windows for every user
// ("HidMonitor" in the machine's Run key).
void RegisterTrayMonitor(const char* monitorPath, Journal& journal);
