#include "storage/StorageMessages.h"

#include <charconv>

namespace storagemsg {
namespace {

std::string intText(long long value) {
  char buffer[24];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string fieldMessage(const char* kind, const std::string& field, int length, int record) {
  return std::string(kind) + " '" + field + "' has wrong length " + intText(length) +
         " in record " + intText(record);
}

}  // namespace

std::string errorOpeningFile(const std::string& fileName) {
  return "Error opening file " + fileName;
}

std::string cannotOpenFile(const std::string& fileName) { return "Cannot open file " + fileName; }

std::string cannotCreateFile(const std::string& fileName) {
  return "Cannot create file " + fileName;
}

std::string wrongFieldLength(const std::string& field, int length, int record) {
  return fieldMessage("Field", field, length, record);
}

std::string wrongStringLength(const std::string& field, int length, int record) {
  return fieldMessage("String field", field, length, record);
}

std::string wrongBlobLength(const std::string& field, int length, int record) {
  return fieldMessage("BLOB field", field, length, record);
}

std::string recordCountMismatch(int read, int declared) {
  return "Number of records read (" + intText(read) + ") does not match declared record count (" +
         intText(declared) + ")";
}

}  // namespace storagemsg
