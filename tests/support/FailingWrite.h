#pragma once

// Stand-ins for write(2) in SaveOptions, to drive the save error paths without a full disk.

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <memory>

#include "document/MarkrollFile.h"

namespace markroll::test {

/// Save options whose writes store the first `budget` bytes, `chunk` bytes at most per call, and then
/// fail with errno `err` (or report 0 bytes written when err is 0), the way a filling disk behaves. With
/// an unreachable budget the writes only come in short pieces.
inline SaveOptions FailingSave(std::size_t budget, int err, std::size_t chunk = 4096) {
    SaveOptions options;
    options.sync = false;
    auto left = std::make_shared<std::size_t>(budget);
    options.write = [left, err, chunk](int fd, const char* data, std::size_t size) -> long {
        if (*left == 0)
            return err == 0 ? 0L : (errno = err, -1L);
        const std::size_t n = std::min({size, *left, chunk});
        const ssize_t done = ::write(fd, data, n);
        if (done > 0)
            *left -= static_cast<std::size_t>(done);
        return done;
    };
    return options;
}

} // namespace markroll::test
