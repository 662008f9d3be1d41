#pragma once
// A fuzz target is built twice: alone as a libFuzzer program (GXA_LIBFUZZER
// set), where it must be the entry point, and with every other target in the
// replay test, where each keeps its own name.
#include <cstddef>
#include <cstdint>

#ifdef GXA_LIBFUZZER
#define GXA_FUZZ_TARGET(name) extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
#else
#define GXA_FUZZ_TARGET(name) int name(const uint8_t* data, size_t size)
#endif
