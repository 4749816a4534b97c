// Where the game's folders are, and atomic whole-file writes.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/common/files.h"
#include "platform/system.h"
#include "tests/platform_test_pictures.h"

namespace {

void MakeDir(const std::string& path) {
    mkdir(path.c_str(), 0755);
}

std::vector<std::string> Listing(const std::string& dir) {
    std::vector<std::string> names;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d))
            if (e->d_name[0] != '.') names.push_back(e->d_name);
        closedir(d);
    }
    return names;
}

TEST(GameFolders, PortableInstalledAndGiven) {
    std::string root = testpics::TempDir();
    // A portable game: DATA beside the executable.
    std::string portable = root + "/portable";
    MakeDir(portable);
    MakeDir(portable + "/DATA");
    // An installed one: bin/ and share/miravel2/DATA.
    std::string bin = root + "/usr/bin";
    MakeDir(root + "/usr");
    MakeDir(bin);
    MakeDir(root + "/usr/share");
    MakeDir(root + "/usr/share/miravel2");
    MakeDir(root + "/usr/share/miravel2/DATA");
    std::string nothing = root + "/nothing";  // neither layout: portable beside it
    struct Case {
        const char *exe, *given, *xdg, *home;
        std::string data, save;
    };
    const Case cases[] = {
        {portable.c_str(), nullptr, "/x", "/home/a", portable + "/DATA", portable + "/Save"},
        {bin.c_str(), nullptr, "/xdg", "/home/a", bin + "/../share/miravel2/DATA", "/xdg/miravel2/Save"},
        {bin.c_str(), nullptr, nullptr, "/home/a", bin + "/../share/miravel2/DATA",
         "/home/a/.local/share/miravel2/Save"},
        {bin.c_str(), nullptr, "relative", "/home/a", bin + "/../share/miravel2/DATA",
         "/home/a/.local/share/miravel2/Save"},  // a relative XDG_DATA_HOME is ignored
        {bin.c_str(), "/games/m2", "/xdg", "/home/a", "/games/m2/DATA", "/games/m2/Save"},
        {nothing.c_str(), nullptr, "/xdg", "/h", nothing + "/DATA", nothing + "/Save"},
    };
    for (const Case& c : cases) {
        GameFolders f = ResolveGameFolders(c.exe, c.given, c.xdg, c.home);
        EXPECT_EQ(f.data, c.data) << c.exe;
        EXPECT_EQ(f.save, c.save) << c.exe;
    }
}

TEST(GameFolders, GamePathsMapDataAndSave) {
    ASSERT_TRUE(sys_Init("/games/m2"));
    char out[256];
    EXPECT_STREQ(sys_GamePath("DATA/AE00001.xml", out, sizeof out), "/games/m2/DATA/AE00001.xml");
    EXPECT_STREQ(sys_GamePath("Save/Save1.dat", out, sizeof out), "/games/m2/Save/Save1.dat");
    EXPECT_STREQ(sys_GamePath("Save\\SaveName.txt", out, sizeof out), "/games/m2/Save/SaveName.txt");
    char tiny[10];
    EXPECT_STREQ(sys_GamePath("DATA/AE00001.xml", tiny, sizeof tiny), "");  // never a cut-off name
    sys_Shutdown();
}

TEST(AtomicWrite, CreatesTheFolderReplacesAndLeavesNoTemporaryFile) {
    std::string dir = testpics::TempDir();
    ASSERT_TRUE(sys_Init(dir.c_str()));
    const std::vector<uint8_t> first(2000, 0xAB);
    ASSERT_TRUE(sys_WriteFileAtomic("Save/Save1.dat", first.data(), first.size()));
    EXPECT_EQ(testpics::ReadFile(dir + "/Save/Save1.dat"), first);
    const std::vector<uint8_t> second = {1, 2, 3, 4};
    ASSERT_TRUE(sys_WriteFileAtomic("Save/Save1.dat", second.data(), second.size()));
    EXPECT_EQ(testpics::ReadFile(dir + "/Save/Save1.dat"), second);
    EXPECT_EQ(Listing(dir + "/Save"), std::vector<std::string>({"Save1.dat"}));
    struct stat st;
    ASSERT_EQ(stat((dir + "/Save/Save1.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    sys_Shutdown();
}

TEST(AtomicWrite, AFailedWriteKeepsTheOldFile) {
    std::string dir = testpics::TempDir();
    ASSERT_TRUE(sys_Init(dir.c_str()));
    const std::vector<uint8_t> old = {9, 9, 9};
    ASSERT_TRUE(sys_WriteFileAtomic("Save/Save2.dat", old.data(), old.size()));
    chmod((dir + "/Save").c_str(), 0555);  // no new file can be made beside it
    const std::vector<uint8_t> fresh = {1};
    bool wrote = sys_WriteFileAtomic("Save/Save2.dat", fresh.data(), fresh.size());
    chmod((dir + "/Save").c_str(), 0755);
    if (geteuid() != 0) {
        EXPECT_FALSE(wrote);  // root ignores the folder's permissions
    }
    if (!wrote) {
        EXPECT_EQ(testpics::ReadFile(dir + "/Save/Save2.dat"), old);
    }
    EXPECT_EQ(Listing(dir + "/Save").size(), 1u);
    // A folder standing where the file should go cannot be replaced.
    MakeDir(dir + "/Save/Save3.dat");
    EXPECT_FALSE(sys_WriteFileAtomic("Save/Save3.dat", fresh.data(), fresh.size()));
    EXPECT_EQ(Listing(dir + "/Save").size(), 2u);
    sys_Shutdown();
}

}  // namespace
