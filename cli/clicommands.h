#pragma once

struct CliRequest;

// Each command as the program runs it; returns the exit status.
int runCommand(const CliRequest &request);
