#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <tuple>

#include "document/MarkrollFile.h"
#include "document/Session.h"
#include "support/FailingWrite.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;
namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

Document OtherDocument() {
    Document doc = MakeDocument(30, {{"Tests", 60, 12, 3}, {"Quizzes", 40, 20, 2}});
    SetField(doc, 7, 2, 3, "88");
    return doc;
}

// A disk that fills up part-way through the save of a new file, of a plain file and of one with two hard
// links: the old file is still there byte for byte (under both names), and no temporary file is left.
TEST(Save, FailedWritesKeepTheOldFile) {
    const std::size_t size = SerializeMarkroll(OtherDocument()).size();
    const char* const full = "Save Error( 61) - Disk full";
    // clang-format off
    const struct { std::size_t budget; int err; std::size_t chunk; const char* message; } cases[] = {
        {0, ENOSPC, 4096, full}, {1, ENOSPC, 4096, full}, {size / 2, ENOSPC, 100, full}, {size / 3, 0, 4096, full},
        {size / 4, EDQUOT, 7, full}, {size - 1, ENOSPC, 4096, full},
        {5, EIO, 4096, "Save Error( 57) - Device I/O error"}};
    // clang-format on
    // The backup of an earlier save stays as it was too.
    const Names names[] = {{}, {"class.mrk", "class.mrk~"}, {"class.mrk", "class.mrk~", "copy.mrk"}};
    for (const int links : {0, 1, 2})
        for (const auto& c : cases) {
            TempDir dir;
            const std::string path = dir.File("class.mrk");
            ASSERT_TRUE(links == 0 || !SaveMarkroll(path, OtherDocument()));
            ASSERT_TRUE(links == 0 || !SaveMarkroll(path, DefaultDocument()));
            if (links > 1)
                fs::create_hard_link(path, dir.File("copy.mrk"));
            const std::string old = ReadBytes(path);
            const auto err = SaveMarkroll(path, OtherDocument(), FailingSave(c.budget, c.err, c.chunk));
            EXPECT_EQ(err ? err->Message() : "", c.message) << links << " links, budget " << c.budget;
            EXPECT_EQ(ReadBytes(path), old) << links << " links, budget " << c.budget;
            EXPECT_EQ(dir.Entries(), names[links]) << links << " links, budget " << c.budget;
            EXPECT_EQ(ReadBytes(dir.File(links > 1 ? "copy.mrk" : "class.mrk")), old);
            EXPECT_TRUE(links == 0 || ReadBytes(dir.File("class.mrk~")) == SerializeMarkroll(OtherDocument()));
        }
}

// What is not a regular file is never replaced by one: a folder, a pipe, a socket, a device, or a link to one.
// A folder that does not exist is not made.
TEST(Save, TargetsThatAreNotFilesAreRefused) {
    TempDir dir;
    fs::create_directory(dir.File("folder"));
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    fs::create_symlink(dir.File("pipe"), dir.File("link"));
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{AF_UNIX, {}};
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", dir.File("socket").c_str());
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&addr), sizeof addr), 0);
    const bool device = ::mknod(dir.File("device").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    const std::pair<std::string, std::string> cases[] = {
        {"folder", " (a folder, not a file)"},           {"pipe", " (a named pipe, not a file)"},
        {"link", " (a named pipe, not a file)"},         {"socket", " (a socket, not a file)"},
        {"device", " (a character device, not a file)"}, {"missing/sub/class.mrk", ""}};
    for (const auto& [name, kind] : cases) {
        if (name == "device" && !device)
            continue; // no character device can be made here
        const auto err = SaveMarkroll(dir.File(name), OtherDocument());
        EXPECT_EQ(err ? err->Message() : "", "Save Error( 75) - Path/File access error" + kind) << name;
    }
    ::close(sock);
    EXPECT_TRUE(fs::is_fifo(dir.File("pipe")));
    EXPECT_TRUE(fs::is_symlink(dir.File("link")));
    EXPECT_EQ(dir.Entries().size(), device ? 5u : 4u);
    EXPECT_EQ(SaveMarkroll("", OtherDocument())->number, 75);
}

// A file the user may not write stays as it is, even in a folder they may write.
TEST(SaveDeathTest, ReadOnlyFileIsRefused) {
    TempDir dir;
    const std::string path = dir.File("class.mrk");
    ASSERT_FALSE(SaveMarkroll(path, DefaultDocument()));
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);
    ASSERT_TRUE(::getuid() != 0 || ::chown(path.c_str(), 65534, 65534) == 0);
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

// Replacing a file keeps its owner, group and permissions, survives writes of a few bytes at a time, keeps a
// link and replaces the file it names, even one that does not exist yet, and keeps the one file behind
// several hard links.
TEST(Save, ReplacingKeepsOwnerPermissionsAndLinks) {
    TempDir dir;
    const std::string path = dir.File("class.mrk");
    ASSERT_FALSE(SaveMarkroll(path, DefaultDocument()));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    // Only root can give the file away; for anyone else the owner stays theirs and is not checked.
    ASSERT_TRUE(::getuid() != 0 || ::chown(path.c_str(), 65534, 65534) == 0);
    ASSERT_FALSE(SaveMarkroll(path, OtherDocument(), FailingSave(SIZE_MAX, 0, 13)));
    EXPECT_EQ(ReadBytes(path), SerializeMarkroll(OtherDocument()));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_TRUE(::getuid() != 0 || (st.st_uid == 65534 && st.st_gid == 65534)) << st.st_uid << ":" << st.st_gid;

    for (const auto& [link, target] : {std::pair{"link.mrk", "class.mrk"}, std::pair{"new.mrk", "later.mrk"}}) {
        fs::create_symlink(target, dir.File(link));
        ASSERT_FALSE(SaveMarkroll(dir.File(link), DefaultDocument()));
        EXPECT_TRUE(fs::is_symlink(dir.File(link)));
        EXPECT_EQ(ReadBytes(dir.File(target)), SerializeMarkroll(DefaultDocument()));
    }

    fs::create_hard_link(path, dir.File("copy.mrk"));
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    ASSERT_FALSE(SaveMarkroll(dir.File("copy.mrk"), OtherDocument(), FailingSave(SIZE_MAX, 0, 100)));
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(std::make_pair(after.st_ino, after.st_nlink), std::make_pair(st.st_ino, nlink_t{2}));
    EXPECT_EQ(ReadBytes(path), SerializeMarkroll(OtherDocument()));
    // Each save kept what it replaced: the backup of a link's file stands beside that file, with its permissions.
    EXPECT_EQ(dir.Entries(),
              (Names{"class.mrk", "class.mrk~", "copy.mrk", "copy.mrk~", "later.mrk", "link.mrk", "new.mrk"}));
    EXPECT_EQ(ReadBytes(dir.File("class.mrk~")), SerializeMarkroll(OtherDocument()));
    EXPECT_EQ(ReadBytes(dir.File("copy.mrk~")), SerializeMarkroll(DefaultDocument()));
    ASSERT_EQ(::stat(dir.File("copy.mrk~").c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
}

// The bookkeeping of Open, Save and New: the name, Changed, the saved image and the editor position move
// together, and a failed save moves none of them.
TEST(Session, OpenSaveAndCreateKeepNameImageAndPositionTogether) {
    TempDir dir;
    AppState state;
    state.EdCat = 3;
    state.Changed = true;
    DocumentOpened(state, MakeDocument(4, {{"Tests", 100}}), dir.File("a.mrk"));
    EXPECT_EQ(std::tuple(state.FileName, state.Changed || HasUnsavedChanges(state), state.EdCat),
              std::tuple(dir.File("a.mrk"), false, 0));

    state.doc.InfoLine[1] = "Algebra";
    state.Changed = true;
    EXPECT_TRUE(HasUnsavedChanges(state));
    ASSERT_TRUE(SaveDocument(state, dir.File("missing/b.mrk")));
    EXPECT_EQ(std::pair(state.FileName, state.Changed && HasUnsavedChanges(state)), std::pair(dir.File("a.mrk"), true));

    ASSERT_FALSE(SaveDocument(state, dir.File("b.mrk")));
    EXPECT_EQ(std::pair(state.FileName, state.Changed || HasUnsavedChanges(state)),
              std::pair(dir.File("b.mrk"), false));
    EXPECT_EQ(ReadBytes(dir.File("b.mrk")), state.SavedImage);

    state.EdPage = 2;
    DocumentCreated(state);
    EXPECT_EQ(std::tuple(state.FileName, HasUnsavedChanges(state), state.EdPage), std::tuple("Untitled", true, 1));
}

} // namespace
