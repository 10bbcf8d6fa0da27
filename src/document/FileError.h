#pragma once

#include <string>
#include <string_view>
#include <utility>

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
    FileError() = default;
    FileError(int number_, int line_ = 0, std::string detail_ = {})
        : number(number_), line(line_), detail(std::move(detail_)) {}

    int number = 0;
    /// 1-based number of the failing line, 0 when the failure is not tied to a line.
    int line = 0;
    /// What went wrong in words of its own, shown instead of the standard description of the number.
    std::string detail;

    /// The description (detail, or the standard one of the number), followed by " (line N)" when a line
    /// applies.
    std::string Description() const;
    /// The text of the error message box: Save Error( 62) - Input past end of file (line 17).
    std::string Message() const;
    /// The same text naming the file: Save Error( 53) - File not found: /home/t/class.mrk.
    std::string Message(const std::string& path) const;
};

/// The standard description of an error number ("Input past end of file" for 62).
std::string ErrorDescription(int number);

/// The one text of the file commands' error box: "Save Error(" number ") - " description.
std::string SaveErrorText(int number, std::string_view description);

/// Maps an errno value of a failed system call to an error number.
int ErrorFromErrno(int err, bool reading);

} // namespace markroll
