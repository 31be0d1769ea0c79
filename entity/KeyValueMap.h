#pragma once
#include <map>
#include <string>

// Key/value pairs ordered by key: the attributes of an XML tag and the keys of a map entity.
using KeyValueMap = std::map<std::string, std::string>;
