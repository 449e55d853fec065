#pragma once

// Copies the disc's TRAYM.exe into the Windows folder and starts it with Windows
// for every user ("HidMonitor" in the machine's Run key).
void RegisterTrayMonitor();
