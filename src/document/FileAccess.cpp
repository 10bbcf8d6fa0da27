#include "document/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <memory>
#include <vector>

namespace markroll {

namespace {

// How many links a path may pass through before it is taken for a loop, as the system counts.
constexpr int MaxLinkDepth = 40;

std::string KindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    return "not a regular file";
}

FileError NotAFile(mode_t mode) {
    return FileError{ErrPathAccess, 0, ErrorDescription(ErrPathAccess) + " (" + KindOf(mode) + ", not a file)"};
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The path that a chain of symbolic links ends at, which need not exist yet: a save through a link that
// names a missing file creates that file and keeps the link.
std::optional<FileError> FollowLinks(std::string& path) {
    for (int depth = 0; depth < MaxLinkDepth; ++depth) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0)
            return errno == ENOENT ? std::nullopt : std::optional<FileError>(FileError{ErrorFromErrno(errno, false)});
        if (!S_ISLNK(st.st_mode))
            return std::nullopt;
        std::vector<char> buf(PATH_MAX + 1);
        const ssize_t n = ::readlink(path.c_str(), buf.data(), buf.size() - 1);
        if (n < 0)
            return FileError{ErrorFromErrno(errno, false)};
        const std::string link(buf.data(), static_cast<std::size_t>(n));
        path = !link.empty() && link[0] == '/' ? link : FolderOf(path) + "/" + link;
    }
    return FileError{ErrPathAccess, 0, ErrorDescription(ErrPathAccess) + " (too many levels of links)"};
}

long WriteSome(const SaveOptions& options, int fd, const char* data, std::size_t size) {
    return options.write ? options.write(fd, data, size) : ::write(fd, data, size);
}

int WriteErrorNumber(int err) {
    return err == EIO ? ErrDeviceIo : ErrorFromErrno(err, false);
}

// A temporary file beside target, named so that a listing shows whose it is.
int MakeTemp(const std::string& target, std::string& tmp) {
    tmp = FolderOf(target) + "/." + NameOf(target) + ".XXXXXX";
    return ::mkstemp(tmp.data());
}

void SyncFolder(const std::string& folder) {
    const int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

// A synced copy of the file at target, with the given permissions, in a temporary file beside it.
std::optional<FileError> CopyAside(const std::string& target, mode_t mode, const SaveOptions& options,
                                   std::string& copy) {
    std::string old;
    if (auto e = ReadWholeFile(target, old))
        return e;
    const int cfd = MakeTemp(target, copy);
    if (cfd < 0)
        return FileError{ErrorFromErrno(errno, false)};
    ::fchmod(cfd, mode);
    std::optional<FileError> e = WriteAll(cfd, old, options);
    if (!e && options.sync && ::fsync(cfd) != 0)
        e = FileError{WriteErrorNumber(errno)};
    if (::close(cfd) != 0 && !e)
        e = FileError{WriteErrorNumber(errno)};
    if (e) {
        ::unlink(copy.c_str());
        copy.clear();
        return FileError{e->number};
    }
    return std::nullopt;
}

// The copy of the old content becomes the backup of target. The save has succeeded by now; where the backup
// cannot take its name (a folder stands there), the older backup stays and the copy goes.
void KeepAsBackup(const std::string& copy, const std::string& target) {
    if (::rename(copy.c_str(), BackupName(target).c_str()) != 0)
        ::unlink(copy.c_str());
}

std::optional<FileError> ReplaceByRename(const std::string& target, std::string_view bytes, const SaveOptions& options,
                                         const struct stat* old) {
    std::string tmp;
    const int fd = MakeTemp(target, tmp);
    if (fd < 0)
        return FileError{ErrorFromErrno(errno, false)};

    // The new file takes the place of the old one as the old one was: its permissions, and its owner and group
    // where the system lets us give them (root saving a teacher's file leaves it the teacher's).
    mode_t mode;
    if (old) {
        mode = old->st_mode & 07777;
        if (::fchown(fd, old->st_uid, old->st_gid) != 0)
            (void)!::fchown(fd, static_cast<uid_t>(-1), old->st_gid);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);

    auto fail = [&](int number) {
        ::close(fd);
        ::unlink(tmp.c_str());
        return FileError{number};
    };
    if (auto e = WriteAll(fd, bytes, options))
        return fail(e->number);
    if (options.sync && ::fsync(fd) != 0)
        return fail(WriteErrorNumber(errno));
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return FileError{WriteErrorNumber(err)};
    }
    // The old content goes aside first and takes the backup's name only once the new file stands.
    std::string backup;
    if (old && options.keepBackup) {
        if (auto e = CopyAside(target, mode, options, backup)) {
            ::unlink(tmp.c_str());
            return e;
        }
    }
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        if (!backup.empty())
            ::unlink(backup.c_str());
        return FileError{ErrorFromErrno(err, false)};
    }
    if (!backup.empty())
        KeepAsBackup(backup, target);
    if (options.sync)
        SyncFolder(FolderOf(target));
    return std::nullopt;
}

// Rewrites the content of fd from its start and cuts it to the new size.
std::optional<FileError> Overwrite(int fd, std::string_view bytes, const SaveOptions& options) {
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return FileError{WriteErrorNumber(errno)};
    if (auto e = WriteAll(fd, bytes, options))
        return e;
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        return FileError{WriteErrorNumber(errno)};
    if (options.sync && ::fsync(fd) != 0)
        return FileError{WriteErrorNumber(errno)};
    return std::nullopt;
}

// A file with several hard links: replacing it by rename would split the links into an old and a new file, so
// its content is rewritten in place, but only once a copy of the old content is safely on disk.
std::optional<FileError> UpdateInPlace(const std::string& target, std::string_view bytes, const SaveOptions& options) {
    std::string old;
    if (auto e = ReadWholeFile(target, old))
        return e;
    std::string copy;
    const int cfd = MakeTemp(target, copy);
    if (cfd < 0)
        return FileError{ErrorFromErrno(errno, false)};
    ::fchmod(cfd, 0600);
    std::optional<FileError> e = WriteAll(cfd, old, options);
    if (!e && ::fsync(cfd) != 0)
        e = FileError{WriteErrorNumber(errno)};
    if (::close(cfd) != 0 && !e)
        e = FileError{WriteErrorNumber(errno)};
    if (e) {
        ::unlink(copy.c_str());
        return FileError{e->number};
    }

    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        const int err = errno;
        ::unlink(copy.c_str());
        return FileError{ErrorFromErrno(err, false)};
    }
    e = Overwrite(fd, bytes, options);
    if (e) {
        // Put the old content back with plain writes; only when even that fails is the copy kept, and the
        // message says where it is.
        const SaveOptions plain{};
        if (Overwrite(fd, old, plain)) {
            ::close(fd);
            return FileError{e->number, 0,
                             ErrorDescription(e->number) + " (the file is damaged; its old content is in " + copy +
                                 ")"};
        }
    }
    const int closed = ::close(fd);
    if (!e && closed == 0 && options.keepBackup) {
        struct stat st {};
        if (::stat(target.c_str(), &st) == 0)
            ::chmod(copy.c_str(), st.st_mode & 07777);
        KeepAsBackup(copy, target);
    } else
        ::unlink(copy.c_str());
    if (!e && closed != 0)
        return FileError{WriteErrorNumber(errno)};
    return e ? std::optional<FileError>(FileError{e->number}) : std::nullopt;
}

} // namespace

std::optional<FileError> ReadWholeFile(const std::string& path, std::string& bytes) {
    // Look before opening: opening a pipe for reading waits for a writer, and a device may do anything.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return FileError{ErrorFromErrno(errno, true)};
    if (!S_ISREG(st.st_mode))
        return NotAFile(st.st_mode);
    // Non-blocking as well, in case the path is replaced by a pipe between the look and the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return FileError{ErrorFromErrno(errno, true)};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return NotAFile(st.st_mode);
    }
    // One read of the size the file says it has; a file that grows while it is read still arrives whole.
    std::size_t capacity = static_cast<std::size_t>(st.st_size) + 1;
    std::unique_ptr<char[]> buffer(new char[capacity]);
    std::size_t got = 0;
    while (true) {
        if (got == capacity) {
            std::unique_ptr<char[]> bigger(new char[capacity * 2]);
            std::memcpy(bigger.get(), buffer.get(), got);
            buffer = std::move(bigger);
            capacity *= 2;
        }
        const ssize_t n = ::read(fd, buffer.get() + got, capacity - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            return FileError{err == EISDIR ? ErrPathAccess : ErrDeviceIo};
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.assign(buffer.get(), got);
    return std::nullopt;
}

std::string BackupName(const std::string& path) {
    return path + "~";
}

bool PathExists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::optional<FileError> WriteAll(int fd, std::string_view bytes, const SaveOptions& options) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const long n = WriteSome(options, fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return FileError{WriteErrorNumber(n < 0 ? errno : ENOSPC)};
        done += static_cast<std::size_t>(n);
    }
    return std::nullopt;
}

std::optional<FileError> WriteFileSafely(const std::string& path, std::string_view bytes, const SaveOptions& options) {
    if (path.empty())
        return FileError{ErrPathAccess, 0, ErrorDescription(ErrPathAccess) + " (no file name)"};
    std::string target = path;
    if (auto e = FollowLinks(target))
        return e;
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return FileError{ErrorFromErrno(errno, false)};
        return ReplaceByRename(target, bytes, options, nullptr);
    }
    if (!S_ISREG(st.st_mode))
        return NotAFile(st.st_mode);
    // A file the user may not write is not replaced behind their back, although the folder would allow it.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return FileError{ErrorFromErrno(errno, false)};
    if (st.st_nlink > 1)
        return UpdateInPlace(target, bytes, options);
    return ReplaceByRename(target, bytes, options, &st);
}

} // namespace markroll
