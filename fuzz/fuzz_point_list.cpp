// libFuzzer entry: see fuzz_inputs.h.
#include "fuzz/fuzz_inputs.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    lumbrell::fuzz::pointListInput(QByteArrayView(data, static_cast<qsizetype>(size)));
    return 0;
}
