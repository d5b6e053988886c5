#include "platform/TextFile.h"
// placeholder, being written
namespace tivrel {
std::vector<std::string> readTextLines(const std::string&) { return {}; }
void writeTextLines(const std::string&, const std::vector<std::string>&) {}
void appendTextLine(const std::string&, const std::string&) {}
void renameTextFile(const std::string&, const std::string&) {}
bool fileExists(const std::string&) { return false; }
std::string currentDirectory() { return "."; }
std::string joinPath(const std::string& f, const std::string& n) { return f + "/" + n; }
} // namespace tivrel
