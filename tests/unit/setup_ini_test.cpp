#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "state/setup_ini.h"

namespace {

// setup.ini in memory, looked up like the profile API: section and key names in any case,
// values cut to size - 1. An entry with a null value is left out. Remembers every key
// asked for, as "Section/Key".
class FakeIni : public IniSource {
public:
    FakeIni(std::initializer_list<std::pair<const char*, const char*>> entries) {
        for (const auto& e : entries) {
            if (e.second) values_[Fold(e.first)] = e.second;
        }
    }
    void ReadText(const char* section, const char* key, const char* fallback, char* dst,
                  size_t size) const override {
        const std::string* value = Find(section, key);
        std::string text = value ? *value : fallback;
        text.resize(std::min(text.size(), size - 1));
        memcpy(dst, text.c_str(), text.size() + 1);
    }
    int32_t ReadInt(const char* section, const char* key, int32_t fallback) const override {
        const std::string* value = Find(section, key);
        return value ? atoi(value->c_str()) : fallback;
    }
    mutable std::vector<std::string> reads;

private:
    static std::string Fold(std::string name) {
        for (char& c : name) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        return name;
    }
    const std::string* Find(const char* section, const char* key) const {
        reads.push_back(std::string(section) + "/" + key);
        auto it = values_.find(Fold(std::string(section) + "/" + key));
        return it == values_.end() ? nullptr : &it->second;
    }
    std::map<std::string, std::string> values_;
};

SetupState ReadFor(OsKind kind, const FakeIni& ini) {
    SetupState state{};
    state.osKind = kind;
    ReadSetupIni(ini, state);
    return state;
}

// Probe that answers from a list of present hardware ids and records what it was asked.
struct Probe {
    std::vector<std::string> present, asked;
    static bool IsPresent(const char* hardwareId, void* context) {
        Probe& self = *static_cast<Probe*>(context);
        self.asked.push_back(hardwareId);
        for (const std::string& id : self.present) if (id == hardwareId) return true;
        return false;
    }
};

SetupState Search(const FakeIni& ini, Probe& probe) {
    SetupState state{};
    state.devicePresent = true;
    SearchConfiguredDevice(ini, Probe::IsPresent, &probe, state);
    return state;
}

}  // namespace

TEST(SetupIni, Windows9xReadsItsKeysInOrderWithDefaults) {
    const std::vector<std::string> order = {
        "Version/VersionDesc", "Win9XME_INFPath/INFPath", "Win9XME_INFPath/INFPath_DISK",
        "Win9XME_DRVPath/DRVPath_SYS", "Win9XME_DRVPath/DRVPath_PDR", "Win9XME_FileName/FileName_SYS",
        "Win9XME_FileName/FileName_PDR", "Win9XME_FileName/FileName_INF",
        "Win9XME_FileName/FileName_INF_DISK", "Win9XME_FileName/FileName_ICON",
        "Win9XME_JOVName/JOV_NAME", "Pre_Define/PNP_Mode", "Pre_Define/XDIcon", "Pre_Define/VendorName",
        "Pre_Define/AddRemoveEntry"};
    for (OsKind kind : {OS_UNSUPPORTED, OS_WIN98, OS_WINME}) {
        FakeIni ini{};
        SetupState s = ReadFor(kind, ini);
        EXPECT_EQ(order, ini.reads) << int(kind);
        EXPECT_STREQ("JOV QM4410 Setup", s.titleText);
        EXPECT_STREQ("\\Win9xME\\ZELK6S.inf", s.infPath);
        EXPECT_STREQ("\\Win9xME\\ZELKDISK.inf", s.infPathDisk);
        EXPECT_STREQ("\\Win9xME\\ZELK6S.sys", s.drvPathSys);
        EXPECT_STREQ("\\Win9xME\\ZELK6SP.pdr", s.drvPathPdr);
        EXPECT_STREQ("ZELK6S.sys", s.fileNameSys);
        EXPECT_STREQ("ZELK6Sp.pdr", s.fileNamePdr);
        EXPECT_STREQ("ZELK6S.inf", s.fileNameInf);
        EXPECT_STREQ("ZELKDISK.inf", s.fileNameInfDisk);
        EXPECT_STREQ("ZELKI_J.dll", s.fileNameIcon);
        EXPECT_STREQ("", s.infProviderName);
        EXPECT_EQ(-1, s.pnpMode);
        EXPECT_EQ(0, s.xdIcon);
        EXPECT_STREQ("ZELK", s.vendorName);
        EXPECT_STREQ("", s.productName);
        EXPECT_TRUE(s.addRemoveEntry);
    }

    FakeIni ini{{"version/versiondesc", "Card Reader"}, {"Win9XME_JOVName/JOV_NAME", "Jov"},
                {"pre_define/pnp_mode", "1"}, {"PRE_DEFINE/XDICON", "2"}, {"Pre_Define/AddRemoveEntry", "0"},
                {"Win9XME_FileName/FileName_PDR", std::string(400, 'p').c_str()}};
    SetupState s = ReadFor(OS_WINME, ini);
    EXPECT_STREQ("Card Reader", s.titleText);
    EXPECT_STREQ("Jov", s.infProviderName);
    EXPECT_EQ(1, s.pnpMode);
    EXPECT_EQ(2, s.xdIcon);
    EXPECT_FALSE(s.addRemoveEntry);
    EXPECT_EQ(std::string(259, 'p'), s.fileNamePdr);
}

TEST(SetupIni, NtFamilyReadsItsOwnInfPathAndNoWindows9xKeys) {
    struct Case {
        OsKind kind;
        const char* section;
        const char* fallback;
    } cases[] = {
        {OS_WIN2000, "Win2KXP_INFPath", "\\Win2KXP\\ZELK6SK.inf"},
        {OS_WINXP, "Win2KXP_INFPath", "\\Win2KXP\\ZELK6SK.inf"},
        {OS_WINXP64, "WinXP64_INFPath", "\\AMD64\\ZELK6SK.inf"},
        {OS_VISTA, "Vista_INFPath", "\\VISTA\\ZELK6SK.inf"},
        {OS_VISTA64, "Vista64_INFPath", "\\VISTA64\\ZELK6SK.inf"},
    };
    for (const Case& c : cases) {
        FakeIni empty{};
        SetupState s = ReadFor(c.kind, empty);
        const std::vector<std::string> order = {
            "Version/VersionDesc", std::string(c.section) + "/INFPath", "Win2KXP_FileName/FileName_SYS",
            "Win2KXP_FileName/FileName_ICON", "Pre_Define/PNP_Mode", "Pre_Define/XDIcon",
            "Pre_Define/VendorName", "Pre_Define/AddRemoveEntry"};
        EXPECT_EQ(order, empty.reads) << int(c.kind);
        EXPECT_STREQ(c.fallback, s.infPath);
        EXPECT_STREQ("ZELK6SK.sys", s.fileNameSys);
        EXPECT_STREQ("ZELKI_J.dll", s.fileNameIcon);

        FakeIni full{{"Win9XME_INFPath/INFPath_DISK", "\\D.inf"},
                     {"Win9XME_DRVPath/DRVPath_SYS", "x"}, {"Win9XME_DRVPath/DRVPath_PDR", "x"},
                     {"Win9XME_FileName/FileName_PDR", "x"}, {"Win9XME_FileName/FileName_INF", "x"},
                     {"Win9XME_FileName/FileName_INF_DISK", "x"}, {"Win9XME_JOVName/JOV_NAME", "x"},
                     {(std::string(c.section) + "/infpath").c_str(), "\\Mine.inf"},
                     {"Win2KXP_FileName/FileName_SYS", "Mine.sys"}};
        s = ReadFor(c.kind, full);
        EXPECT_STREQ("\\Mine.inf", s.infPath) << int(c.kind);
        EXPECT_STREQ("Mine.sys", s.fileNameSys);
        for (const char* left : {s.infPathDisk, s.drvPathSys, s.drvPathPdr, s.fileNamePdr,
                                 s.fileNameInf, s.fileNameInfDisk, s.infProviderName}) {
            EXPECT_STREQ("", left);
        }
    }
}

TEST(SetupIni, ProductNameIsReadOnlyForAnotherVendor) {
    struct Case {
        const char* vendor;   // null: key missing
        const char* product;  // null: key missing
        const char* expected;
        bool productRead;
    } cases[] = {
        {nullptr, "Reader", "", false},
        {"ZELK", "Reader", "", false},
        {"zelk", "Reader", "Reader", true},
        {"Acme", nullptr, "", true},
        {"Acme", "Reader", "Reader", true},
    };
    for (const Case& c : cases) {
        FakeIni ini{{"Pre_Define/VendorName", c.vendor}, {"pre_define/productname", c.product}};
        SetupState s = ReadFor(OS_WINXP, ini);
        EXPECT_STREQ(c.vendor ? c.vendor : "ZELK", s.vendorName);
        EXPECT_STREQ(c.expected, s.productName) << (c.vendor ? c.vendor : "(none)");
        EXPECT_EQ(c.productRead, ini.reads[ini.reads.size() - 2] == "Pre_Define/ProductName");
    }
}

TEST(SetupIni, DeviceSearchWalksTheVendorList) {
    {   // Only the second entry is present.
        FakeIni ini{{"Vendors/Vendor0", "VID_AAAA&PID_0001"}, {"Vendors/Vendor1", "VID_BBBB&PID_0002"}};
        Probe probe{{"USB\\VID_BBBB&PID_0002"}, {}};
        SetupState s = Search(ini, probe);
        EXPECT_EQ((std::vector<std::string>{"USB\\VID_AAAA&PID_0001", "USB\\VID_BBBB&PID_0002"}),
                  probe.asked);
        EXPECT_TRUE(s.devicePresent);
        EXPECT_STREQ("USB\\VID_BBBB&PID_0002", s.hardwareId);
        EXPECT_STREQ("VID_BBBB&PID_0002", s.vendorEntry);
    }
    {   // Nine entries, none present; Vendor9 is never asked for.
        FakeIni ini{{"Vendors/Vendor0", "VID_0000"}, {"Vendors/Vendor1", "VID_0001"},
                    {"Vendors/Vendor2", "VID_0002"}, {"Vendors/Vendor3", "VID_0003"},
                    {"Vendors/Vendor4", "VID_0004"}, {"Vendors/Vendor5", "VID_0005"},
                    {"Vendors/Vendor6", "VID_0006"}, {"Vendors/Vendor7", "VID_0007"},
                    {"Vendors/Vendor8", "VID_0008"}, {"Vendors/Vendor9", "VID_0009"}};
        Probe probe;
        SetupState s = Search(ini, probe);
        EXPECT_EQ(9u, probe.asked.size());
        EXPECT_EQ("Vendors/Vendor8", ini.reads.back());
        EXPECT_FALSE(s.devicePresent);
        EXPECT_STREQ("VID_0008", s.vendorEntry);
        EXPECT_STREQ("USB\\VID_0008", s.hardwareId);
    }
    {   // An empty first entry ends the list.
        FakeIni ini{{"Vendors/Vendor0", ""}, {"Vendors/Vendor1", "VID_BBBB"}};
        Probe probe{{"USB\\VID_BBBB"}, {}};
        SetupState s = Search(ini, probe);
        EXPECT_TRUE(probe.asked.empty());
        EXPECT_FALSE(s.devicePresent);
        EXPECT_STREQ("", s.hardwareId);
        EXPECT_STREQ("", s.vendorEntry);
    }
    {   // Lower case is probed in upper case; the entry keeps its own.
        FakeIni ini{{"vendors/vendor0", "vid_aaaa&pid_0001"}};
        Probe probe{{"USB\\VID_AAAA&PID_0001"}, {}};
        SetupState s = Search(ini, probe);
        EXPECT_TRUE(s.devicePresent);
        EXPECT_STREQ("USB\\VID_AAAA&PID_0001", s.hardwareId);
        EXPECT_STREQ("vid_aaaa&pid_0001", s.vendorEntry);
    }
    {   // Too long for a hardware id: skipped, the next entry still counts; 95 characters fit.
        const std::string tooLong = "VID_" + std::string(92, 'A');
        const std::string longest = "VID_" + std::string(91, 'B');
        FakeIni ini{{"Vendors/Vendor0", tooLong.c_str()}, {"Vendors/Vendor1", longest.c_str()}};
        Probe probe{{"USB\\" + longest}, {}};
        SetupState s = Search(ini, probe);
        EXPECT_EQ(std::vector<std::string>{"USB\\" + longest}, probe.asked);
        EXPECT_TRUE(s.devicePresent);
        EXPECT_EQ(longest, s.vendorEntry);
        EXPECT_EQ("USB\\" + longest, s.hardwareId);

        // A skipped entry is not tried: the last one tried keeps its hardware id.
        FakeIni skippedLast{{"Vendors/Vendor0", "VID_AAAA"}, {"Vendors/Vendor1", tooLong.c_str()}};
        Probe none;
        s = Search(skippedLast, none);
        EXPECT_EQ(std::vector<std::string>{"USB\\VID_AAAA"}, none.asked);
        EXPECT_STREQ("USB\\VID_AAAA", s.hardwareId);
        EXPECT_STREQ("", s.vendorEntry);
    }
}

TEST(SetupIni, UserDriveNamesOnlyWhenUserDefineStartsWithOne) {
    for (const char* flag : {"1", "10", "1x"}) {
        FakeIni ini{{"Win2KXP_DriveName/UserDefine", flag}, {"Win2KXP_DriveName/CF_Name", "CF"},
                    {"win2kxp_drivename/sd_name", "SD"}, {"Win2KXP_DriveName/XD_Name", "XD"}};
        DriveNames names;
        memset(&names, '#', sizeof names);
        ASSERT_TRUE(ReadUserDriveNames(ini, names)) << flag;
        EXPECT_STREQ("CF", names.cf);
        EXPECT_STREQ("SD", names.sd);
        EXPECT_STREQ("", names.ms);
        EXPECT_STREQ("", names.sm);
        EXPECT_STREQ("XD", names.xd);
    }
    for (const char* flag : std::initializer_list<const char*>{"0", "01", "", nullptr}) {
        FakeIni ini{{"Win2KXP_DriveName/UserDefine", flag}, {"Win2KXP_DriveName/CF_Name", "CF"}};
        DriveNames names{};
        EXPECT_FALSE(ReadUserDriveNames(ini, names)) << (flag ? flag : "(missing)");
        EXPECT_STREQ("", names.cf);
    }
}
