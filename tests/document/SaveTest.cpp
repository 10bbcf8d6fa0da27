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

int LineOfOffset(const std::string& bytes, std::size_t offset) {
    return static_cast<int>(std::count(bytes.begin(), bytes.begin() + static_cast<long>(offset), '\n')) + 1;
}

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
    const std::size_t secondLine = bytes.find("\r\n") + 2;
    const struct {
        std::size_t budget;
        int err;
        std::size_t chunk;
    } cases[] = {
        {0, ENOSPC, 4096},
        {1, ENOSPC, 4096},
        {secondLine, ENOSPC, 4096},
        {bytes.size() / 2, ENOSPC, 100},
        {bytes.size() / 2, 0, 4096},
        {bytes.size() / 3, EDQUOT, 7},
        {bytes.size() - 1, ENOSPC, 4096},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string path = dir.File("class.mrk");
        ASSERT_FALSE(SaveMarkroll(path, DefaultDocument()));
        const std::string old = ReadBytes(path);
        const auto err = SaveMarkroll(path, doc, FailingSave(c.budget, c.err, c.chunk));
        ASSERT_TRUE(err) << "budget " << c.budget;
        EXPECT_EQ(err->number, 61) << "budget " << c.budget;
        EXPECT_EQ(err->line, LineOfOffset(bytes, c.budget)) << "budget " << c.budget;
        EXPECT_EQ(err->Message(), "Save Error( 61) - Disk full (line " + std::to_string(err->line) + ")");
        EXPECT_EQ(ReadBytes(path), old) << "budget " << c.budget;
        EXPECT_EQ(dir.Entries(), std::vector<std::string>{"class.mrk"}) << "budget " << c.budget;
    }
}

TEST(Save, DiskFullOnANewFileLeavesNothing) {
    TempDir dir;
    const auto err = SaveMarkroll(dir.File("new.mrk"), OtherDocument(), FailingSave(500, ENOSPC));
    ASSERT_TRUE(err);
    EXPECT_EQ(err->number, 61);
    EXPECT_TRUE(dir.Entries().empty());
}

TEST(Save, DeviceErrorIsReportedAsSuch) {
    TempDir dir;
    const auto err = SaveMarkroll(dir.File("new.mrk"), OtherDocument(), FailingSave(5, EIO));
    ASSERT_TRUE(err);
    EXPECT_EQ(err->number, 57);
    EXPECT_EQ(err->line, 1);
    EXPECT_TRUE(dir.Entries().empty());
}

TEST(Save, ShortWritesStillWriteEverything) {
    TempDir dir;
    const Document doc = OtherDocument();
    const std::string path = dir.File("class.mrk");
    ASSERT_FALSE(SaveMarkroll(path, DefaultDocument()));
    ASSERT_FALSE(SaveMarkroll(path, doc, ShortWrites(13)));
    EXPECT_EQ(ReadBytes(path), SerializeMarkroll(doc));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"class.mrk"});
}

TEST(Save, MissingFolderFailsCleanly) {
    TempDir dir;
    const std::string path = dir.File("missing/sub/class.mrk");
    const auto err = SaveMarkroll(path, OtherDocument());
    ASSERT_TRUE(err);
    EXPECT_EQ(err->number, 75);
    EXPECT_EQ(err->Message(), "Save Error( 75) - Path/File access error");
    EXPECT_TRUE(dir.Entries().empty());
}

TEST(Save, OntoAFolderFails) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("class.mrk"));
    const auto err = SaveMarkroll(dir.File("class.mrk"), OtherDocument());
    ASSERT_TRUE(err);
    EXPECT_EQ(err->number, 75);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("class.mrk")));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"class.mrk"});
}

TEST(Save, ReplacesContentsAndKeepsPermissions) {
    TempDir dir;
    const std::string path = dir.File("class.mrk");
    ASSERT_FALSE(SaveMarkroll(path, DefaultDocument()));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    const Document doc = OtherDocument();
    ASSERT_FALSE(SaveMarkroll(path, doc));
    EXPECT_EQ(ReadBytes(path), SerializeMarkroll(doc));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"class.mrk"});
}

TEST(Save, ThroughALinkReplacesTheTarget) {
    TempDir dir;
    const std::string target = dir.File("real.mrk");
    ASSERT_FALSE(SaveMarkroll(target, DefaultDocument()));
    std::filesystem::create_symlink(target, dir.File("link.mrk"));
    const Document doc = OtherDocument();
    ASSERT_FALSE(SaveMarkroll(dir.File("link.mrk"), doc));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.mrk")));
    EXPECT_EQ(ReadBytes(target), SerializeMarkroll(doc));
}

} // namespace
