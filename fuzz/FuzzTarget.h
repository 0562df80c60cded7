#pragma once
// What a fuzz target defines for libFuzzer, or for the seed replay without it: the run on one
// input, and (weak, where the target needs Qt's application) the start.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);
