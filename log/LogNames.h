#pragma once

#include <string>
#include <string_view>

// The names of a log file: the start name while it is written, the end name once it is done.
namespace tivrel {

// The date text as a part of a file name: every character that a file name cannot hold on
// Linux ("/" and NUL) or on Windows ("\" ":" "*" "?" '"' "<" ">" "|" and the control
// characters) becomes "-". Many short date formats ("%m/%d/%y", "%d/%m/%Y") would otherwise
// make every log name uncreatable.
std::string fileNameSafe(std::string_view text);

// folder + separator + date + " {" + hhnnss + "}.csv", the date made file-name safe.
std::string logStartName(const std::string& folder, const std::string& dateText,
                         const std::string& startTime);

// The start name without ".csv" + four blanks + date + " {" + hhnnss + "}.csv", in the same
// folder, the date made file-name safe.
std::string logEndName(const std::string& startName, const std::string& dateText,
                       const std::string& endTime);

} // namespace tivrel
