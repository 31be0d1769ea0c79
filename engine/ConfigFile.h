#pragma once
#include <functional>
#include <string>

class XmlReader;
class XmlWriter;

// The one way settings and list files are loaded and saved. Loading never throws: a failure is
// logged as "Failed to load config. " + the reason on the system's channel, and a file that
// could not be opened is written back from the values held, so a missing file reappears with
// what the program uses. Saving logs "Failed to save config. " + the reason; the old file stays.
//
// `read` reads the document after the declaration (the outer element and what it holds);
// `write` writes it (the outer element included); lists of content give none, since a list
// written back empty would hide the loss on every later start.
// Returns false when the file could not be opened (and was written back).
bool LoadConfigFile(const std::string& path, const std::string& channel, const std::function<void(XmlReader&)>& read,
                    const std::function<void(XmlWriter&)>& write);
void SaveConfigFile(const std::string& path, const std::string& channel,
                    const std::function<void(XmlWriter&)>& write);
