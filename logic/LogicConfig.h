#pragma once
#include <cstdint>
#include <string>

// The game settings of "Data/LogicConfig.xml". The menus change the round time and the
// difficulty in memory only; the file keeps what the user wrote.
struct LogicConfig {
  // The map-list file under "Data/" that names the museum's maps.
  std::string defaultMapName = "Museummaps.xml";
  bool devControls = false;
  // The first frame starts a game from the map list, without the menus.
  bool skipMenus = false;
  // Compared with squared distances: 5000 reaches about 70.7 units.
  float teleportHitDist = 5000.0f;
  float itemDropoffHitDist = 5000.0f;
  float guardHitDist = 5000.0f;
  // Round length in minutes, and 1 .. 3.
  float time = 10.0f;
  int32_t difficulty = 2;

  // Reads the file in order, checking each element's kind and name: a string where a number
  // belongs, or values moved about, are refused with a line saying where, and the values read
  // before it stay. A file that cannot be opened is written back with the values held. Values
  // the game cannot play with (a difficulty outside 1 .. 3, a round time not above 0, a
  // negative reach) are logged on "LogicLog", naming the file, and corrected.
  void Load(const std::string& path);
  void Save(const std::string& path) const;

 private:
  void Correct(const std::string& path);
};

template <class Fields>
void VisitFields(Fields& f, LogicConfig& c) {
  f("defaultMapName", c.defaultMapName);
  f("devControls", c.devControls);
  f("skipMenus", c.skipMenus);
  f("teleportHitDist", c.teleportHitDist);
  f("itemDropoffHitDist", c.itemDropoffHitDist);
  f("guardHitDist", c.guardHitDist);
  f("time", c.time);
  f("difficulty", c.difficulty);
}
