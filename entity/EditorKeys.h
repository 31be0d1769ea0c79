#pragma once
#include <string>

#include "entity/KeyValueMap.h"

class XmlWriter;

// Field passes of map-placed entities: set from the keys the level designer gave the entity in
// the map, and described to the level editor in "Entities.ent". Keys match field names exactly.

// Absent keys leave the field unchanged.
void KeyValueReadString(const KeyValueMap& keys, const std::string& name, std::string& value);
// The value as a base-10 integer: "-12abc" gives -12, no digits give 0.
void KeyValueReadInt(const KeyValueMap& keys, const std::string& name, int& value);

// <string key="name" name="name">value</string>
void EntDefWriteString(XmlWriter& writer, const std::string& name, const std::string& value);
// <integer key="name" name="name">value</integer>
void EntDefWriteInt(XmlWriter& writer, const std::string& name, int value);
