#pragma once

// Enables the shutdown privilege and restarts Windows with force. Failures go to the
// debugger output only. Always returns 0.
int RestartWindows();
