#pragma once

#include <stdexcept>
#include <string>

class ProblemTable;

// A command line that cannot be carried out as written (exit status 2).
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes FIELD=VALUE into the record being edited, by the field's type. Throws UsageError for
// an unknown field or a value its type cannot take; a bad float gives the conversion message.
void setField(ProblemTable& table, const std::string& name, const std::string& value);
// Splits "FIELD=VALUE"; UsageError when there is no field name.
std::pair<std::string, std::string> splitAssignment(const std::string& text);

std::string readWholeFile(const std::string& fileName);
// The memo keeps its lines separated by CR LF, whatever the file used.
std::string toCrLf(const std::string& text);
