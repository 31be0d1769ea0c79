// BspMap::Export3ds: the "mapto3ds" console command's work.
#include "engine/Engine.h"
#include "map/BspMap.h"
#include "map/Mesh3dsWriter.h"

bool BspMap::Export3ds(const std::string& fileName) const {
  try {
    Mesh3dsWriter::Write(data_, fileName);
    return true;
  } catch (const std::exception& e) {
    Engine::Get()->GetLog()->Write("LogicLog", std::string("Could not export map to 3DS. ") + e.what(), 2);
    return false;
  }
}
