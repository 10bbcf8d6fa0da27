#include "document/MarkrollFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "document/TextNumber.h"

namespace markroll {

namespace {

class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(text) {}

    /// Lines of a text as the reader counts them: a last line without its line end counts too.
    static std::size_t CountLines(std::string_view text) {
        const auto ends = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        return ends + (!text.empty() && text.back() != '\n' ? 1 : 0);
    }

    /// The 1-based number of the next line to be read.
    int LineNumber() const { return m_line + 1; }

    std::optional<FileError> Text(std::string& out) {
        std::string_view line;
        if (!Next(line))
            return FileError{ErrPastEnd, LineNumber()};
        out.assign(line);
        return std::nullopt;
    }

    // A number line: exactly `count` comma-separated 16-bit integers.
    std::optional<FileError> Numbers(std::int16_t* out, std::size_t count) {
        const int lineNo = LineNumber();
        std::string_view line;
        if (!Next(line))
            return FileError{ErrPastEnd, lineNo};
        std::size_t item = 0;
        std::size_t start = 0;
        while (true) {
            std::size_t comma = line.find(',', start);
            std::string_view text =
                line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
            if (item >= count)
                return FileError{ErrTypeMismatch, lineNo};
            int err = ParseInt16(text, out[item]);
            if (err != 0)
                return FileError{err, lineNo};
            ++item;
            if (comma == std::string_view::npos)
                break;
            start = comma + 1;
        }
        if (item != count)
            return FileError{ErrTypeMismatch, lineNo};
        return std::nullopt;
    }

private:
    static bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

    // An item is a whole decimal number, surrounding blanks ignored; a fraction goes to the nearest
    // integer, halves to even.
    static int ParseInt16(std::string_view text, std::int16_t& out) {
        while (!text.empty() && IsBlank(text.front()))
            text.remove_prefix(1);
        while (!text.empty() && IsBlank(text.back()))
            text.remove_suffix(1);
        std::size_t i = 0;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        bool digits = false;
        bool point = false;
        for (; i < text.size(); ++i) {
            if (text[i] >= '0' && text[i] <= '9')
                digits = true;
            else if (text[i] == '.' && !point)
                point = true;
            else
                break;
        }
        if (!digits || i != text.size())
            return ErrTypeMismatch;
        const double v = RoundHalfEven(TextValue(text));
        if (v < Int16Min || v > Int16Max)
            return ErrOverflow;
        out = static_cast<std::int16_t>(v);
        return 0;
    }

    // The next line without its line end (LF or CR LF); false when the text is used up.
    bool Next(std::string_view& line) {
        if (m_pos >= m_text.size())
            return false;
        const char* begin = m_text.data() + m_pos;
        const auto* nl = static_cast<const char*>(std::memchr(begin, '\n', m_text.size() - m_pos));
        const std::size_t len = nl ? static_cast<std::size_t>(nl - begin) : m_text.size() - m_pos;
        m_pos += len + (nl ? 1 : 0);
        line = std::string_view(begin, len);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++m_line;
        return true;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 0;
};

std::int64_t LinesNeeded(const Document& d) {
    const std::int64_t n = d.NumStudents, c = d.NumCats, g = d.LastGrade, i = d.LastInfo;
    return 1 + 2 * (g + 1) + c + 2 * c + (i + 1) + c * (n + 3);
}

void AppendLine(std::string& out, std::string_view text) {
    // A line break inside a text would shift every later line of the file; it cannot be stored.
    for (char ch : text)
        out.push_back(ch == '\n' ? ' ' : ch);
    out += "\r\n";
}

void AppendNumbers(std::string& out, std::initializer_list<int> values) {
    bool first = true;
    for (int v : values) {
        if (!first)
            out.push_back(',');
        out += std::to_string(v);
        first = false;
    }
    out += "\r\n";
}

int LineAtOffset(std::string_view bytes, std::size_t offset) {
    offset = std::min(offset, bytes.size());
    return static_cast<int>(std::count(bytes.begin(), bytes.begin() + static_cast<long>(offset), '\n')) + 1;
}

} // namespace

std::optional<FileError> ParseMarkroll(std::string_view text, Document& doc) {
    LineReader in(text);
    Document d;
    std::int16_t counts[4] = {};
    if (auto e = in.Numbers(counts, 4))
        return e;
    d.NumStudents = counts[0];
    d.NumCats = counts[1];
    d.LastInfo = counts[2];
    d.LastGrade = counts[3];
    // Categories 0 and 1 are part of every markroll; the rest of the program relies on them.
    if (d.NumStudents < 0 || d.NumCats < 2 || d.LastInfo < 0 || d.LastGrade < 0)
        return FileError{ErrSubscript, 1};
    // Refuse at once counts that the text is far too short for, before any array is sized from them: every
    // line but the last takes at least its line end. The arrays are then never larger than the text allows.
    const std::int64_t needed = LinesNeeded(d);
    if (static_cast<std::int64_t>(text.size()) < needed - 1)
        return FileError{ErrPastEnd, static_cast<int>(LineReader::CountLines(text)) + 1};

    d.Resize();
    for (int i = 0; i <= d.LastGrade; ++i) {
        if (auto e = in.Numbers(&d.GradeMin[static_cast<std::size_t>(i)], 1))
            return e;
        if (auto e = in.Text(d.GradeLetter[static_cast<std::size_t>(i)]))
            return e;
    }
    for (int c = 0; c < d.NumCats; ++c) {
        std::int16_t v[3] = {};
        if (auto e = in.Numbers(v, 3))
            return e;
        const auto k = static_cast<std::size_t>(c);
        d.CatWeight[k] = v[0];
        d.CatFields[k] = v[1];
        d.FieldLen[k] = v[2];
    }
    for (int c = 0; c < d.NumCats; ++c) {
        const auto k = static_cast<std::size_t>(c);
        if (auto e = in.Text(d.CatName[k]))
            return e;
        if (auto e = in.Text(d.FieldInfo[k]))
            return e;
    }
    for (auto& line : d.InfoLine)
        if (auto e = in.Text(line))
            return e;
    for (auto& rows : d.Grid)
        for (auto& row : rows)
            if (auto e = in.Text(row))
                return e;
    doc = std::move(d);
    return std::nullopt;
}

std::optional<FileError> LoadMarkroll(const std::string& path, Document& doc) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return FileError{ErrorFromErrno(errno, true), 0};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return FileError{ErrPathAccess, 0};
    }
    // One read of the size the file says it has, into a buffer that is not cleared first; a file that
    // grows while it is read still arrives whole.
    std::size_t capacity = static_cast<std::size_t>(st.st_size) + 1;
    std::unique_ptr<char[]> bytes(new char[capacity]);
    std::size_t got = 0;
    while (true) {
        if (got == capacity) {
            std::unique_ptr<char[]> bigger(new char[capacity * 2]);
            std::memcpy(bigger.get(), bytes.get(), got);
            bytes = std::move(bigger);
            capacity *= 2;
        }
        const ssize_t n = ::read(fd, bytes.get() + got, capacity - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            return FileError{err == EISDIR ? ErrPathAccess : ErrDeviceIo,
                             LineAtOffset(std::string_view(bytes.get(), got), got)};
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return ParseMarkroll(std::string_view(bytes.get(), got), doc);
}

std::string SerializeMarkroll(const Document& d) {
    std::string out;
    std::size_t size = 64;
    for (const auto& rows : d.Grid)
        for (const auto& row : rows)
            size += row.size() + 2;
    for (const auto& s : d.FieldInfo)
        size += s.size() + 2;
    out.reserve(size + 4096);

    AppendNumbers(out, {d.NumStudents, d.NumCats, d.LastInfo, d.LastGrade});
    for (std::size_t i = 0; i < d.GradeMin.size() && i < d.GradeLetter.size(); ++i) {
        AppendNumbers(out, {d.GradeMin[i]});
        AppendLine(out, d.GradeLetter[i]);
    }
    for (std::size_t c = 0; c < d.CatWeight.size(); ++c)
        AppendNumbers(out, {d.CatWeight[c], d.CatFields[c], d.FieldLen[c]});
    for (std::size_t c = 0; c < d.CatName.size(); ++c) {
        AppendLine(out, d.CatName[c]);
        AppendLine(out, d.FieldInfo[c]);
    }
    for (const auto& line : d.InfoLine)
        AppendLine(out, line);
    for (const auto& rows : d.Grid)
        for (const auto& row : rows)
            AppendLine(out, row);
    return out;
}

std::optional<FileError> WriteFileSafely(const std::string& path, std::string_view bytes, const SaveOptions& options) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path target(path);
    // Save through a link to the file it names, so the link survives the save.
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        auto resolved = fs::canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    if (fs::is_directory(target, ec))
        return FileError{ErrPathAccess, 0};
    fs::path dir = target.parent_path();
    if (dir.empty())
        dir = ".";

    std::string name = ".";
    name += target.filename().string();
    name += ".XXXXXX";
    std::string tmp = (dir / name).string();
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0)
        return FileError{ErrorFromErrno(errno, false), 0};

    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat st {};
    mode_t mode;
    if (::stat(target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);

    auto fail = [&](int number, int line) {
        ::close(fd);
        ::unlink(tmp.c_str());
        return FileError{number, line};
    };

    std::size_t done = 0;
    while (done < bytes.size()) {
        const long n = options.write ? options.write(fd, bytes.data() + done, bytes.size() - done)
                                     : ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : ENOSPC;
            return fail(err == EIO ? ErrDeviceIo : ErrorFromErrno(err, false), LineAtOffset(bytes, done));
        }
        done += static_cast<std::size_t>(n);
    }
    if (options.sync && ::fsync(fd) != 0)
        return fail(ErrorFromErrno(errno, false), 0);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return FileError{ErrorFromErrno(err, false), 0};
    }
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return FileError{ErrorFromErrno(err, false), 0};
    }
    if (options.sync) {
        const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dfd >= 0) {
            ::fsync(dfd);
            ::close(dfd);
        }
    }
    return std::nullopt;
}

std::optional<FileError> SaveMarkroll(const std::string& path, const Document& doc, const SaveOptions& options) {
    return WriteFileSafely(path, SerializeMarkroll(doc), options);
}

} // namespace markroll
