#pragma once

// SIGINT and SIGTERM end the program the way its quit message does, through the main loop, so
// that every file it is writing is finished. The flag is ours rather than the window library's,
// so a stop request is honoured even before a window exists or after its display has gone.
namespace platform {

// Call first thing in main: a stop arriving before would kill the program mid-write. Also
// unblocks the two signals, in case the program was started with them blocked.
void InstallStopHandlers();

// True once SIGINT or SIGTERM has arrived.
bool StopRequested();

}  // namespace platform
