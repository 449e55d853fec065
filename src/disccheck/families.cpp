#include "families.h"
#include "../text/bounded_text.h"

const Family FAMILIES[FAMILY_COUNT] = {
    {OS_WIN98, "win98", "Windows 98"},
    {OS_WINME, "winme", "Windows Me"},
    {OS_WIN2000, "win2000", "Windows 2000"},
    {OS_WINXP, "winxp", "Windows XP"},
    {OS_WINXP64, "winxp64", "Windows XP x64 and Server 2003"},
    {OS_VISTA, "vista", "Windows Vista"},
    {OS_VISTA64, "vista64", "Windows Vista 64-bit"},
};

int FindFamily(const char* name) {
    for (int i = 0; i < FAMILY_COUNT; ++i) {
        if (TextEqualsIgnoreCase(name, FAMILIES[i].name)) return i;
    }
    return -1;
}
