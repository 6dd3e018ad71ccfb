#pragma once

#include <cstddef>
#include <cstdint>

// The entry points libFuzzer calls; the replay test calls the same ones for stored inputs.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// Starts the offscreen application a target needs (fonts and images, no widgets), once.
void startFuzzApplication();
