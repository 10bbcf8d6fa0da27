#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>

#include "document/MarkrollFile.h"
#include "support/FailingWrite.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

using Names = std::vector<std::string>;

Document OtherDocument() {
    Document doc = MakeDocument(30, {{"Tests", 60, 12, 3}, {"Quizzes", 40, 20, 2}});
    SetField(doc, 7, 2, 3, "88");
    return doc;
}

// A disk that fills up part-way through the save: the message names the line being written, the old file
// is still there byte for byte and no temporary file is left behind.
TEST(Save, DiskFullPartWayKeepsOldFile) {
    const Document doc = OtherDocument();
    const std::string bytes = SerializeMarkroll(doc);
    const int lines = static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n'));
    // Offset `extra` bytes into line n (1-based).
    auto into = [&bytes](int n, std::size_t extra) {
        std::size_t at = 0;
        for (int i = 1; i < n; ++i)
            at = bytes.find('\n', at) + 1;
        return at + extra;
    };
    const struct {
        std::size_t budget;
        int err;
        std::size_t chunk;
        int line;
    } cases[] = {
        {0, ENOSPC, 4096, 1},          {1, ENOSPC, 4096, 1},          {into(2, 0), ENOSPC, 4096, 2},
        {into(90, 5), ENOSPC, 100, 90}, {into(120, 1), 0, 4096, 120}, {into(70, 3), EDQUOT, 7, 70},
        {bytes.size() - 1, ENOSPC, 4096, lines},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string path = dir.File("class.mrk");
        ASSERT_FALSE(SaveMarkroll(path, DefaultDocument()));
        const std::string old = ReadBytes(path);
        const auto err = SaveMarkroll(path, doc, FailingSave(c.budget, c.err, c.chunk));
        ASSERT_TRUE(err) << "budget " << c.budget;
        EXPECT_EQ(err->Message(), "Save Error( 61) - Disk full (line " + std::to_string(c.line) + ")");
        EXPECT_EQ(ReadBytes(path), old) << "budget " << c.budget;
        EXPECT_EQ(dir.Entries(), Names{"class.mrk"}) << "budget " << c.budget;
    }
}

// A save into a new file that fails leaves nothing behind; a device error is reported as such.
TEST(Save, FailedNewFileLeavesNothing) {
    for (const int err : {ENOSPC, EIO}) {
        TempDir dir;
        const auto e = SaveMarkroll(dir.File("new.mrk"), OtherDocument(), FailingSave(5, err));
        ASSERT_TRUE(e);
        EXPECT_EQ(e->number, err == EIO ? 57 : 61);
        EXPECT_EQ(e->line, 1);
        EXPECT_TRUE(dir.Entries().empty());
    }
}

TEST(Save, MissingFolderOrAFolderInTheWayFailsCleanly) {
    TempDir dir;
    auto err = SaveMarkroll(dir.File("missing/sub/class.mrk"), OtherDocument());
    ASSERT_TRUE(err);
    EXPECT_EQ(err->Message(), "Save Error( 75) - Path/File access error");
    EXPECT_TRUE(dir.Entries().empty());

    std::filesystem::create_directory(dir.File("class.mrk"));
    err = SaveMarkroll(dir.File("class.mrk"), OtherDocument());
    ASSERT_TRUE(err);
    EXPECT_EQ(err->number, 75);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("class.mrk")));
    EXPECT_EQ(dir.Entries(), Names{"class.mrk"});
}

// Replacing a file keeps its permissions, survives writes that take a few bytes at a time and, through a
// link, replaces the file that the link names and keeps the link.
TEST(Save, ReplacesTheFileKeepingPermissionsAndLinks) {
    TempDir dir;
    const std::string path = dir.File("class.mrk");
    ASSERT_FALSE(SaveMarkroll(path, DefaultDocument()));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_FALSE(SaveMarkroll(path, OtherDocument(), ShortWrites(13)));
    EXPECT_EQ(ReadBytes(path), SerializeMarkroll(OtherDocument()));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(dir.Entries(), Names{"class.mrk"});

    std::filesystem::create_symlink(path, dir.File("link.mrk"));
    ASSERT_FALSE(SaveMarkroll(dir.File("link.mrk"), DefaultDocument()));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.mrk")));
    EXPECT_EQ(ReadBytes(path), SerializeMarkroll(DefaultDocument()));
    EXPECT_EQ(dir.Entries(), (Names{"class.mrk", "link.mrk"}));
}

} // namespace
