#pragma once

#include <QString>

// Why the operating system refused a file operation, as a Czech sentence fragment
// ("složka neexistuje", "na disku není místo"): messages name the cause in Czech and
// never carry the system's own English text.
namespace oserror {

// The reason for the C library's error number `errnum` (errno).
QString reason(int errnum);

} // namespace oserror
