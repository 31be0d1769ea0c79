#pragma once
#include <map>
#include <string>
#include <string_view>
#include <vector>

// One entity block of a map's entity text: key to value, a later duplicate key replacing the
// earlier value.
using KeyValueMap = std::map<std::string, std::string>;

struct EntityLump {
  std::vector<KeyValueMap> entities;  // in file order
  std::vector<std::string> problems;  // "line N: ..." for every line that added nothing
};

// Splits the entity text into blocks. Lines end at a line feed or a NUL; a carriage return
// before the line feed and blanks around a line are ignored, and blank lines are skipped.
// A block is "{" ... "}" (the end of the text also ends a block); inside it each line reads
// "key" "value". Malformed lines (no opening quote, an unterminated quote) add nothing and
// are listed in `problems`; text outside a block is listed and skipped.
EntityLump ParseEntityText(std::string_view text);

// Reads up to three blank-separated numbers, as an "origin" value holds them; a token that
// does not start with a finite number gives 0, and missing numbers stay 0. Returns how many
// of the three were present.
int ReadVectorKey(std::string_view value, float out[3]);

// Whether a token of a position value ("origin") starts with a number no place can have: NaN,
// an infinity, one beyond the float range or beyond kWorldLimit.
bool HoldsUnplaceableNumber(std::string_view value);
