#pragma once

// Settings of the process that the program's run relies on: a write beyond the file-size limit
// (a shell's "ulimit -f") fails with an error that the checked writes report, instead of
// ending the process with SIGXFSZ and taking the system in memory with it. The first step of
// RunProgram.
void PrepareProcess();

// The program's run: tables to their defaults, every window created, the event loop, the
// texts released at the end. Returns the exit code.
int RunProgram(int argc, char** argv);
