// libFuzzer entry: every input is a markroll file; see FuzzOperations.h for what is done with it.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "FuzzOperations.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string failure =
        markroll::fuzz::RunOperations(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!failure.empty()) {
        std::fprintf(stderr, "markroll property failed: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
