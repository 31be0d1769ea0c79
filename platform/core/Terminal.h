#pragma once
#include <string>

// The terminal the program was started from: typed lines in, coloured lines out.
namespace platform {

// Takes one complete line typed at the terminal, without its line end; false when none is
// waiting. Never blocks. Stops looking once standard input has ended.
bool PollTerminalLine(std::string& line);

// Colours of the console's codes, shown with ANSI colours when standard output is a terminal.
enum class TerminalColour { White, Red, Purple, Green, Yellow };
void PrintTerminalLine(const std::string& text, TerminalColour colour);

}  // namespace platform
