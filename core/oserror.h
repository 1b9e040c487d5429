#pragma once

#include <QString>

#include <system_error>

// Why the operating system refused a file operation, as a Czech sentence fragment
// ("složka neexistuje", "na disku není místo"): messages name the cause in Czech and
// never carry the system's own English text.
namespace oserror {

// The reason for the C library's error number `errnum` (errno).
QString reason(int errnum);
// The reason for an error code of the standard library (std::system_error,
// std::filesystem::filesystem_error).
QString reason(const std::error_code &code);

} // namespace oserror
