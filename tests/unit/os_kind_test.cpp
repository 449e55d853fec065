#include <gtest/gtest.h>

#include "state/os_kind.h"

TEST(OsKind, ClassifiesEveryVersionFamily) {
    static_assert(OS_UNSUPPORTED == 0 && OS_WIN98 == 2 && OS_WINME == 3 && OS_WIN2000 == 4 &&
                  OS_WINXP == 5 && OS_WINXP64 == 6 && OS_VISTA == 7 && OS_VISTA64 == 8,
                  "the family numbers are fixed");
    struct Case {
        bool queried;
        uint32_t major, minor, build;
        bool x64;
        OsKind expected;
    } cases[] = {
        {true, 6, 0, 6000, false, OS_VISTA},       // Itanium
        {true, 6, 1, 7600, false, OS_VISTA},
        {true, 6, 0, 6000, true, OS_VISTA64},
        {true, 6, 9, 0, true, OS_VISTA64},         // minor not looked at
        {true, 5, 0, 2195, false, OS_WIN2000},
        {true, 5, 1, 2600, true, OS_WINXP},        // x64 ignored below 6
        {true, 5, 2, 3790, false, OS_WINXP64},
        {true, 5, 2, 3790, true, OS_WINXP64},
        {true, 5, 3, 0, false, OS_UNSUPPORTED},
        {true, 4, 10, 0x040A08AE, false, OS_WIN98},
        {true, 4, 10, 0xFF0A0000, true, OS_WIN98}, // only bits 16..23 count
        {true, 4, 90, 0x045A0BB8, false, OS_WINME},
        {true, 4, 0, 0x005A0000, false, OS_WINME}, // minor says 0
        {true, 4, 10, 0x000008AE, false, OS_UNSUPPORTED},
        {true, 4, 0, 0x040003B6, false, OS_UNSUPPORTED},  // Windows 95
        {true, 4, 0, 1381, false, OS_UNSUPPORTED},        // NT 4
        {true, 7, 0, 0, true, OS_UNSUPPORTED},
        {true, 3, 51, 1057, false, OS_UNSUPPORTED},
        {false, 5, 1, 2600, false, OS_UNSUPPORTED},
        {false, 6, 0, 6000, true, OS_UNSUPPORTED},
    };
    for (const Case& c : cases) {
        VersionRecord v{c.queried, c.major, c.minor, c.build, c.x64};
        EXPECT_EQ(c.expected, ClassifyOsVersion(v))
            << c.major << "." << c.minor << " build 0x" << std::hex << c.build << " x64 " << c.x64;
    }
}

TEST(OsKind, ExactlyTheTranslatedLanguagesAreLocalized) {
    const uint16_t localized[] = {0x0404, 0x0405, 0x0406, 0x0407, 0x0408, 0x040B, 0x040C,
                                  0x040E, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415,
                                  0x0416, 0x0419, 0x041D, 0x041F, 0x0804, 0x0816, 0x0C0A};
    for (uint16_t id : localized) EXPECT_TRUE(IsLocalizedLanguage(id)) << std::hex << id;
    for (uint16_t id : {1033, 2057, 2055, 3079, 1034, 0}) EXPECT_FALSE(IsLocalizedLanguage(id)) << id;
    int count = 0;
    for (uint32_t id = 0; id <= 0xFFFF; ++id) count += IsLocalizedLanguage(static_cast<uint16_t>(id));
    EXPECT_EQ(21, count);
}
