#pragma once

#include <functional>

// The program's run: the process prepared (a write beyond the file-size limit, a shell's
// "ulimit -f", fails with an error that the checked writes report, instead of ending the
// process with SIGXFSZ and taking the system in memory with it), tables to their defaults,
// every window created, the event loop, the texts released at the end. Returns the exit code.
// started, when given, runs from the event loop once the main window shows: the tests drive
// the program through it, started as main() starts it.
int RunProgram(int argc, char** argv, const std::function<void()>& started = {});
