#pragma once

#include <string>

namespace markroll {

/// Error numbers of the file commands, with the classic run-time error numbers teachers may know.
enum ErrorNumber : int {
    ErrOverflow = 6,
    ErrSubscript = 9,
    ErrTypeMismatch = 13,
    ErrFileNotFound = 53,
    ErrDeviceIo = 57,
    ErrDiskFull = 61,
    ErrPastEnd = 62,
    ErrPermission = 70,
    ErrPathAccess = 75,
};

/// A failure of reading or writing a markroll file.
struct FileError {
    int number = 0;
    /// 1-based number of the failing line, 0 when the failure is not tied to a line.
    int line = 0;

    /// The standard description of the number, followed by " (line N)" when a line applies.
    std::string Description() const;
    /// The text of the error message box: Save Error( 62) - Input past end of file (line 17).
    std::string Message() const;
};

/// The standard description of an error number ("Input past end of file" for 62).
std::string ErrorDescription(int number);

/// Maps an errno value of a failed system call to an error number.
int ErrorFromErrno(int err, bool reading);

} // namespace markroll
