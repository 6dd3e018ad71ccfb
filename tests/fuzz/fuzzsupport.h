#pragma once

#include <cstddef>
#include <cstdint>

// The entry points libFuzzer calls; the replay test calls the same ones for stored inputs.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// Starts the offscreen application a target needs, once. Windows made afterwards read a
// settings file beside the binary that gives them `pageCount` pages, so a design loads in one
// event-loop pass.
void startFuzzApplication(int pageCount);
