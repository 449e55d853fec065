#include "remove_installation.h"

bool RemoveInstallation() { return false; }
