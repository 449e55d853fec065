#include "install_driver.h"

bool InstallDriver(InstallEnding) { return true; }
