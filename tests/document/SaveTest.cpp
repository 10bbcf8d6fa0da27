#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iostream>
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

// A disk that fills up part-way through the save, of a plain file and of one with two hard links: the old
// file is still there byte for byte (under both names), and no temporary file is left behind.
TEST(Save, DiskFullPartWayKeepsOldFile) {
    const Document doc = OtherDocument();
    const std::size_t size = SerializeMarkroll(doc).size();
    const struct {
        std::size_t budget;
        int err;
        std::size_t chunk;
    } cases[] = {{0, ENOSPC, 4096}, {1, ENOSPC, 4096}, {size / 2, ENOSPC, 100}, {size / 3, 0, 4096},
                 {size / 4, EDQUOT, 7}, {size - 1, ENOSPC, 4096}};
    for (const bool linked : {false, true}) {
        for (const auto& c : cases) {
            TempDir dir;
            const std::string path = dir.File("class.mrk");
            ASSERT_FALSE(SaveMarkroll(path, DefaultDocument()));
            if (linked)
                std::filesystem::create_hard_link(path, dir.File("copy.mrk"));
            const std::string old = ReadBytes(path);
            const auto err = SaveMarkroll(path, doc, FailingSave(c.budget, c.err, c.chunk));
            ASSERT_TRUE(err) << "budget " << c.budget;
            EXPECT_EQ(err->Message(), "Save Error( 61) - Disk full") << "budget " << c.budget;
            EXPECT_EQ(ReadBytes(path), old) << "budget " << c.budget;
            const Names expected = linked ? Names{"class.mrk", "copy.mrk"} : Names{"class.mrk"};
            EXPECT_EQ(dir.Entries(), expected) << "budget " << c.budget;
            if (linked)
                EXPECT_EQ(ReadBytes(dir.File("copy.mrk")), old);
        }
    }
}

// A save into a new file that fails leaves nothing behind; a device error is reported as such.
TEST(Save, FailedNewFileLeavesNothing) {
    for (const int err : {ENOSPC, EIO}) {
        TempDir dir;
        const auto e = SaveMarkroll(dir.File("new.mrk"), OtherDocument(), FailingSave(5, err));
        ASSERT_TRUE(e);
        EXPECT_EQ(e->number, err == EIO ? 57 : 61);
        EXPECT_EQ(e->line, 0);
        EXPECT_TRUE(dir.Entries().empty());
    }
}

TEST(Save, MissingFolderOrAFolderInTheWayFailsCleanly) {
    TempDir dir;
    auto err = SaveMarkroll(dir.File("missing/sub/class.mrk"), OtherDocument());
    ASSERT_TRUE(err);
    EXPECT_EQ(err->Message(), "Save Error( 75) - Path/File access error");
    EXPECT_TRUE(dir.Entries().empty());

    EXPECT_EQ(SaveMarkroll("", OtherDocument())->number, 75);
}

// What is not a regular file is never replaced by one: a folder, a pipe, a socket, a device, or a link to one.
TEST(Save, TargetsThatAreNotFilesAreRefused) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("folder"));
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir.File("pipe"), dir.File("link"));
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", dir.File("socket").c_str());
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&addr), sizeof addr), 0);
    const bool device = ::mknod(dir.File("device").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    const struct {
        const char* name;
        const char* kind;
    } cases[] = {{"folder", "a folder"}, {"pipe", "a named pipe"}, {"link", "a named pipe"},
                 {"socket", "a socket"}, {"device", "a character device"}};
    for (const auto& c : cases) {
        if (std::string(c.name) == "device" && !device) {
            std::cerr << "no character device could be made here; that case is skipped\n";
            continue;
        }
        const auto err = SaveMarkroll(dir.File(c.name), OtherDocument());
        ASSERT_TRUE(err) << c.name;
        EXPECT_EQ(err->Message(), std::string("Save Error( 75) - Path/File access error (") + c.kind + ", not a file)");
    }
    ::close(sock);
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("pipe")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link")));
    EXPECT_EQ(dir.Entries().size(), device ? 5u : 4u);
}

// A file the user may not write stays as it is, even in a folder they may write.
TEST(SaveDeathTest, ReadOnlyFileIsRefused) {
    TempDir dir;
    const std::string path = dir.File("class.mrk");
    ASSERT_FALSE(SaveMarkroll(path, DefaultDocument()));
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);
    if (::getuid() == 0)
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    auto save = [&] {
        // Root may write anything, so the save is tried as nobody.
        if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            std::_Exit(2);
        const auto err = SaveMarkroll(path, OtherDocument());
        std::_Exit(err && err->Message() == "Save Error( 70) - Permission denied" ? 0 : 1);
    };
    EXPECT_EXIT(save(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadBytes(path), SerializeMarkroll(DefaultDocument()));
    EXPECT_EQ(dir.Entries(), Names{"class.mrk"});
}

// A save keeps the file's owner and group, the one file behind several hard links, and a link to a file
// that does not exist yet.
TEST(Save, KeepsOwnerHardLinksAndLinkTargets) {
    TempDir dir;
    const std::string path = dir.File("class.mrk");
    ASSERT_FALSE(SaveMarkroll(path, DefaultDocument()));
    struct stat st {};
    if (::getuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
        ASSERT_FALSE(SaveMarkroll(path, OtherDocument()));
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(st.st_gid, 65534u);
    } else {
        std::cerr << "not root: the owner case is skipped\n";
    }

    std::filesystem::create_hard_link(path, dir.File("copy.mrk"));
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    ASSERT_FALSE(SaveMarkroll(dir.File("copy.mrk"), DefaultDocument(), ShortWrites(100)));
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, st.st_ino);
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_EQ(ReadBytes(path), SerializeMarkroll(DefaultDocument()));

    std::filesystem::create_symlink("later.mrk", dir.File("link.mrk"));
    ASSERT_FALSE(SaveMarkroll(dir.File("link.mrk"), OtherDocument()));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.mrk")));
    EXPECT_EQ(ReadBytes(dir.File("later.mrk")), SerializeMarkroll(OtherDocument()));
    EXPECT_EQ(dir.Entries(), (Names{"class.mrk", "copy.mrk", "later.mrk", "link.mrk"}));
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
