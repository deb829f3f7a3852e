#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// A property every input must keep. A broken one aborts, like a sanitizer finding: the fuzzer saves the
// input, and the regression test that replays it fails.
inline void fuzzCheck(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz property broken: %s\n", property);
        std::abort();
    }
}

// The raw input as text, for readers that take bytes.
inline std::string_view fuzzBytes(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// Fuzz entries: each reads one input the way the program reads data from outside.
using FuzzEntry = void (*)(const std::uint8_t* data, std::size_t size);
