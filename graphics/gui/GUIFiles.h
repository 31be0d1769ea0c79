#pragma once
#include <string>
#include <vector>

#include "platform/math/Color.h"

class GUIScreen;

inline constexpr char kGUIListPath[] = "Data/GUIList.xml";
inline constexpr char kCreditsPath[] = "Data/menus/credits.xml";

// One screen of the screen list.
struct GUIListEntry {
  std::string Name;      // the name the screen is registered and switched to under
  std::string FileName;  // its screen file, relative to the program folder
  std::string Proc;      // its per-frame message (may be empty)
};

// One line of the credits.
struct CreditLine {
  std::string Caption;
  platform::Color Color;
};

// The GUI documents. Each loader reads by position; a failure is logged on "GraphicsLog" as
// "Failed to load config. " with the file's path and the reason, and what was read before it
// is kept. They are content: a file that could not be opened is reported on every start and
// never written back as an empty list or screen.
void LoadGUIList(std::vector<GUIListEntry>& entries, const std::string& path = kGUIListPath);
void LoadScreenFile(GUIScreen& screen, const std::string& path);
void LoadCredits(std::vector<CreditLine>& lines, const std::string& path = kCreditsPath);

// The screen file of a screen, every field named.
void SaveScreenFile(const GUIScreen& screen, const std::string& path);
