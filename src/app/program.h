#pragma once

// The program's run: tables to their defaults, every window created, the event loop, the
// texts released at the end. Returns the exit code.
int RunProgram(int argc, char** argv);
