#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "document/MarkrollFile.h"
#include "document/Recovery.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Files(const std::vector<RecoveryCopy>& copies) {
    std::vector<std::string> files;
    for (const RecoveryCopy& c : copies)
        files.push_back(c.FilePath);
    std::sort(files.begin(), files.end());
    return files;
}

// A copy finds its file again by name, also for names with "%", blanks and a path too long for one file name; a
// copy older than its file is not offered; an unsaved new markroll's copy always is. Reading a copy back, putting
// a damaged one aside and removing one are checked with the program (tests/app).
TEST(Recovery, CopiesAreFoundForTheirFilesWhenNewer) {
    TempDir dir;
    ::setenv("XDG_STATE_HOME", dir.File("state").c_str(), 1);
    const std::string folder = RecoveryFolder();
    EXPECT_EQ(folder, dir.File("state") + "/markroll/recovery");
    fs::create_directories(dir.File(std::string(200, 'x')));
    const std::vector<std::string> files = {dir.File("50% of Class 7.mrk"), dir.File("saved later.mrk"),
                                            dir.File(std::string(200, 'x') + "/" + std::string(100, 'y') + ".mrk"),
                                            dir.File("gone.mrk")};
    for (const std::string& f : files)
        ASSERT_FALSE(SaveMarkroll(f, DefaultDocument()));
    fs::remove(files[3]);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    for (const std::string& f : files)
        ASSERT_FALSE(WriteRecoveryCopy(RecoveryPath(folder, f, "1"), DefaultDocument()));
    ASSERT_FALSE(WriteRecoveryCopy(RecoveryPath(folder, "Untitled", "4242"), DefaultDocument()));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_FALSE(SaveMarkroll(files[1], DefaultDocument()));
    EXPECT_EQ((fs::status(folder).permissions() & fs::perms::all), fs::perms::owner_all);

    // The long name is matched when its file is asked about, but cannot be read back from the folder alone.
    EXPECT_EQ(Files(FindRecoveryCopies(folder)), (std::vector<std::string>{"", files[0], files[3]}));
    EXPECT_EQ(Files(FindRecoveryCopies(folder, files[2])), std::vector<std::string>{files[2]});
    EXPECT_TRUE(FindRecoveryCopies(folder, files[1]).empty());
    const auto copy = FindRecoveryCopies(folder, files[0]);
    ASSERT_EQ(copy.size(), 1u);
    EXPECT_FALSE(fs::exists(copy[0].Path + "~")); // a copy keeps no backup of itself
    ::unsetenv("XDG_STATE_HOME");
}

} // namespace
