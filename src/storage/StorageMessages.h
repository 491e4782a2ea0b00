#pragma once

#include <string>

// Every text the database file reader and writer can show.
namespace storagemsg {

inline constexpr const char* kOpenTablePrefix = "Error opening table: ";
inline constexpr const char* kBufferCorruption = "Buffer structure corruption!";
inline constexpr const char* kFieldSection = "Error in buffer structure (field description section)";
inline constexpr const char* kUnexpectedEnd = "Unexpected end of buffer";
inline constexpr const char* kPasswordProtected =
    "Password-protected tables are not supported";

std::string errorOpeningFile(const std::string& fileName);
std::string cannotOpenFile(const std::string& fileName);
std::string cannotCreateFile(const std::string& fileName);
std::string wrongFieldLength(const std::string& field, int length, int record);
std::string wrongStringLength(const std::string& field, int length, int record);
std::string wrongBlobLength(const std::string& field, int length, int record);
std::string recordCountMismatch(int read, int declared);

}  // namespace storagemsg
