#include "cli/FieldArgs.h"

#include "base/NumberText.h"
#include "problem/ProblemTable.h"

#include <charconv>
#include <fstream>
#include <iterator>

namespace {

long parseInteger(const std::string& field, const std::string& text) {
  long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size())
    throw UsageError("'" + text + "' is not a valid integer value for " + field);
  return value;
}

bool parseBoolean(const std::string& field, const std::string& text) {
  if (text == "true" || text == "1" || text == "True" || text == "TRUE") return true;
  if (text == "false" || text == "0" || text == "False" || text == "FALSE") return false;
  throw UsageError("'" + text + "' is not a valid boolean value for " + field);
}

}  // namespace

void setField(ProblemTable& table, const std::string& name, const std::string& value) {
  const FieldDef* field = table.findField(name);
  if (!field) throw UsageError("unknown field '" + name + "'");
  switch (field->type) {
    case FieldType::Double:
      table.setFloat(name, strToFloat(value));
      break;
    case FieldType::SmallInt: {
      const long number = parseInteger(name, value);
      if (number < -32768 || number > 32767)
        throw UsageError(value + " is out of range for " + name);
      table.setInteger(name, static_cast<std::int32_t>(number));
      break;
    }
    case FieldType::Boolean:
      table.setBoolean(name, parseBoolean(name, value));
      break;
    default:
      table.setString(name, value);
  }
}

std::pair<std::string, std::string> splitAssignment(const std::string& text) {
  const auto equals = text.find('=');
  if (equals == std::string::npos || equals == 0)
    throw UsageError("--set needs FIELD=VALUE, got '" + text + "'");
  return {text.substr(0, equals), text.substr(equals + 1)};
}

std::string readWholeFile(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) throw std::runtime_error("Cannot open file " + fileName);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string toCrLf(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (text[i] == '\n') {
      out += "\r\n";
    } else {
      out += text[i];
    }
  }
  return out;
}
