#pragma once

#include <string>
#include <vector>

// 8-bit text files, one line after another, each written with CR LF. Every failure throws
// InOutError with the classic code: a missing file 2, a missing folder on the path 3, too many
// open files 4, no permission / read-only / a folder in the way 5, a full disk 101, anything
// else the system's errno ("I/O error <errno>").
namespace tivrel {

// All lines of the file. A line ends at CR LF, at a lone LF or at a lone CR; a line end after
// the last line adds no line, while anything after the last line end (even nothing but one
// more line end) is a further line: "a\r\n" is one line, "a\r\n\r\n" two, the empty file none.
std::vector<std::string> readTextLines(const std::string& path);

// Creates the file (replacing one of that name) and writes the lines, each followed by CR LF.
// The data is on disk when it returns.
void writeTextLines(const std::string& path, const std::vector<std::string>& lines);

// Opens an existing file for appending (a missing file is "File not found"), writes the line
// and CR LF, flushes it to disk and closes the file.
void appendTextLine(const std::string& path, const std::string& line);

// Renames a closed file; fails with code 5 when the new name already exists, so that nothing
// is ever overwritten by a rename.
void renameTextFile(const std::string& from, const std::string& to);

// True for any existing name, a folder included (opening one then fails with code 5).
bool fileExists(const std::string& path);

// The process's current working directory, without a trailing separator unless it is the root.
// A working folder that has been removed is code 3.
std::string currentDirectory();

// Folder + separator + name; the separator is added even when the folder ends in one.
std::string joinPath(const std::string& folder, const std::string& name);

} // namespace tivrel
