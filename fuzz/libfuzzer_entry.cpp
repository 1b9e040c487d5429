// Entry of one libFuzzer executable; VOKAB_FUZZ_TARGET names the harness.
#include "harnesses.h"

#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    // An exact-size copy, so that a read past the end is caught by the sanitizer.
    std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[size ? size : 1]);
    if (size)
        std::memcpy(copy.get(), data, size);
    return VOKAB_FUZZ_TARGET(copy.get(), size);
}
