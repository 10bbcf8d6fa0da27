#include "document/FileError.h"

#include <cerrno>

#include "document/TextNumber.h"

namespace markroll {

std::string ErrorDescription(int number) {
    switch (number) {
    case ErrOverflow:
        return "Overflow";
    case ErrSubscript:
        return "Subscript out of range";
    case ErrTypeMismatch:
        return "Type mismatch";
    case ErrFileNotFound:
        return "File not found";
    case ErrDeviceIo:
        return "Device I/O error";
    case ErrDiskFull:
        return "Disk full";
    case ErrPastEnd:
        return "Input past end of file";
    case ErrPermission:
        return "Permission denied";
    case ErrPathAccess:
        return "Path/File access error";
    default:
        return "Application-defined or object-defined error";
    }
}

std::string FileError::Description() const {
    std::string d = detail.empty() ? ErrorDescription(number) : detail;
    if (line > 0)
        d += " (line " + std::to_string(line) + ")";
    return d;
}

std::string SaveErrorText(int number, std::string_view description) {
    return "Save Error(" + NumText(number) + ") - " + std::string(description);
}

std::string FileError::Message() const {
    return SaveErrorText(number, Description());
}

std::string FileError::Message(const std::string& path) const {
    return SaveErrorText(number, Description() + ": " + path);
}

int ErrorFromErrno(int err, bool reading) {
    switch (err) {
    case ENOENT:
        return reading ? ErrFileNotFound : ErrPathAccess;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return ErrPermission;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ErrDiskFull;
    case EIO:
        return ErrDeviceIo;
    default:
        return ErrPathAccess;
    }
}

} // namespace markroll
