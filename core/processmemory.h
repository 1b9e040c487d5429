#pragma once

#include <QByteArrayView>

// The memory this process holds, in kB, as the system tells it (Linux: a field of
// /proc/self/status, "VmRSS" now or "VmHWM" at its peak); -1 where it does not.
long processMemoryKb(QByteArrayView field);
