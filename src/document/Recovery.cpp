#include "document/Recovery.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "document/FileAccess.h"
#include "document/MarkrollFile.h"
#include "document/Session.h"

namespace markroll {

namespace fs = std::filesystem;

namespace {

constexpr const char* CopySuffix = ".mrk";
constexpr const char* UntitledPrefix = "untitled-";
// A file name may hold 255 bytes; a path whose name would be longer gets a shortened name with a hash.
constexpr std::size_t MaxName = 240;

// "/home/ann/class.mrk" becomes "%2Fhome%2Fann%2Fclass.mrk": reversible, and one name per file.
std::string Encode(const std::string& path) {
    static const char* const hex = "0123456789ABCDEF";
    std::string out;
    for (const char ch : path) {
        const auto u = static_cast<unsigned char>(ch);
        if (ch == '/' || ch == '%' || u < 0x20) {
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 15];
        } else
            out += ch;
    }
    return out;
}

std::optional<std::string> Decode(const std::string& name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] != '%') {
            out += name[i];
            continue;
        }
        if (i + 2 >= name.size())
            return std::nullopt;
        const std::string digits = name.substr(i + 1, 2);
        char* end = nullptr;
        const long value = std::strtol(digits.c_str(), &end, 16);
        if (end != digits.c_str() + 2)
            return std::nullopt;
        out += static_cast<char>(value);
        i += 2;
    }
    return out;
}

std::string Hash(const std::string& text) {
    std::uint64_t h = 1469598103934665603ull;
    for (const char ch : text) {
        h ^= static_cast<unsigned char>(ch);
        h *= 1099511628211ull;
    }
    static const char* const hex = "0123456789abcdef";
    std::string out;
    for (int shift = 60; shift >= 0; shift -= 4)
        out += hex[(h >> shift) & 15];
    return out;
}

std::string Absolute(const std::string& path) {
    std::error_code ec;
    const fs::path p = fs::absolute(path, ec);
    return ec ? path : p.lexically_normal().string();
}

std::chrono::system_clock::time_point ToSystem(fs::file_time_type t) {
    return std::chrono::file_clock::to_sys(t);
}

} // namespace

std::string RecoveryFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && *state == '/')
        return std::string(state) + "/markroll/recovery";
    const char* home = std::getenv("HOME");
    if (home && *home)
        return std::string(home) + "/.local/state/markroll/recovery";
    return {};
}

std::string RecoveryPath(const std::string& folder, const std::string& filePath, const std::string& untitledId) {
    if (filePath.empty() || filePath == UntitledName)
        return folder + "/" + UntitledPrefix + untitledId + CopySuffix;
    const std::string absolute = Absolute(filePath);
    std::string name = Encode(absolute);
    if (name.size() > MaxName)
        name = name.substr(name.size() - (MaxName - 20)) + "#" + Hash(absolute);
    return folder + "/" + name + CopySuffix;
}

std::vector<RecoveryCopy> FindRecoveryCopies(const std::string& folder, const std::string& filePath) {
    std::vector<RecoveryCopy> found;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec)
        return found;
    const std::string wanted = filePath.empty() ? std::string() : RecoveryPath(folder, filePath, {});
    for (const fs::directory_entry& entry : it) {
        const std::string name = entry.path().filename().string();
        const std::string suffix = CopySuffix;
        if (!entry.is_regular_file(ec) || name.size() <= suffix.size() ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        if (!wanted.empty() && entry.path().string() != wanted)
            continue;
        RecoveryCopy copy;
        copy.Path = entry.path().string();
        const fs::file_time_type written = entry.last_write_time(ec);
        if (ec)
            continue;
        copy.Written = ToSystem(written);
        const std::string stem = name.substr(0, name.size() - suffix.size());
        if (stem.rfind(UntitledPrefix, 0) != 0) {
            if (!filePath.empty())
                copy.FilePath = Absolute(filePath);
            else if (const auto decoded = Decode(stem); decoded && !decoded->empty() && decoded->front() == '/')
                copy.FilePath = *decoded;
            else
                continue;
            // A copy older than its file was made before the file was saved again elsewhere: nothing to offer.
            const fs::file_time_type saved = fs::last_write_time(copy.FilePath, ec);
            if (!ec && saved >= written)
                continue;
        }
        found.push_back(std::move(copy));
    }
    return found;
}

std::optional<FileError> WriteRecoveryCopy(const std::string& path, const Document& doc) {
    std::error_code ec;
    const fs::path folder = fs::path(path).parent_path();
    if (fs::create_directories(folder, ec); !ec)
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ec);
    SaveOptions options;
    options.keepBackup = false;
    return SaveMarkroll(path, doc, options);
}

void RemoveRecoveryCopy(const std::string& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

std::string SetRecoveryCopyAside(const std::string& path) {
    std::string aside = path + ".damaged";
    for (int k = 2; PathExists(aside); ++k)
        aside = path + ".damaged" + std::to_string(k);
    std::error_code ec;
    fs::rename(path, aside, ec);
    return ec ? path : aside;
}

} // namespace markroll
