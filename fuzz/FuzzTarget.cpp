// One libFuzzer target: FUZZ_ENTRY names the entry function and FUZZ_HEADER its header (set by CMake).
#include FUZZ_HEADER

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FUZZ_ENTRY(data, size);
    return 0;
}
