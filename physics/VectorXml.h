#pragma once
#include <string>

#include "platform/math/Vector.h"

class XmlReader;
class XmlWriter;

// A three-float vector in the data files: a "var" element (named when `name` is not empty)
// holding "float" elements named x, y and z. Read by position; a self-closing element leaves
// the vector as it is. The reader takes the next element: callers check HasChildren first, so
// that a record shorter than expected does not lose its end tag.
void WriteVector3Xml(XmlWriter& writer, const std::string& name, const platform::Vector3& value);
void ReadVector3Xml(XmlReader& reader, platform::Vector3& value);
