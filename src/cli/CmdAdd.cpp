#include "cli/Commands.h"

#include "cli/CliDialogs.h"
#include "base/NumberText.h"
#include "problem/ProblemFields.h"
#include "problem/ProblemTable.h"
#include "problem/ProblemView.h"
#include "workbench/Workbench.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

const char* const kUsage =
    "usage: vantle-cli add DB --set FIELD=VALUE... [--functs-file FILE]\n"
    "Appends one problem to the database DB (created when it does not exist) with the defaults of\n"
    "a new problem and the given fields, checks it as the program does before storing a problem,\n"
    "and saves the database. FIELD is a problem field name (letter case ignored): ProblemName,\n"
    "Ymin, Ymax, Zvalue, YPoints, XPoints, ShowMosaicDiagram, ShowChart, Functs, Yparameter,\n"
    "Zparameter. --functs-file reads the phase description from FILE.\n";

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string readWholeFile(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) throw std::runtime_error("Cannot open file " + fileName);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The memo keeps its lines separated by CR LF, whatever the file used.
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

}  // namespace

int runAdd(int argc, char** argv) {
  std::string database;
  std::string functsFile;
  std::vector<std::pair<std::string, std::string>> sets;
  try {
    for (int i = 0; i < argc; ++i) {
      const std::string arg = argv[i];
      if (arg == "--help") {
        std::fputs(kUsage, stdout);
        return 0;
      }
      if (arg == "--set" || arg == "--functs-file") {
        if (i + 1 >= argc) throw UsageError(arg + " needs a value");
        const std::string value = argv[++i];
        if (arg == "--functs-file") {
          functsFile = value;
          continue;
        }
        const auto equals = value.find('=');
        if (equals == std::string::npos || equals == 0)
          throw UsageError("--set needs FIELD=VALUE, got '" + value + "'");
        sets.emplace_back(value.substr(0, equals), value.substr(equals + 1));
      } else if (database.empty() && arg.rfind("--", 0) != 0) {
        database = arg;
      } else {
        throw UsageError("unexpected argument '" + arg + "'");
      }
    }
    if (database.empty()) throw UsageError("no database given");
  } catch (const UsageError& e) {
    std::fprintf(stderr, "vantle-cli add: %s\n%s", e.what(), kUsage);
    return 2;
  }

  CliDialogs dialogs;
  NullProblemView view;
  Workbench bench(dialogs, view);
  ProblemTable& table = bench.table();
  if (std::filesystem::exists(database)) {
    table.setTableName(database);
    table.open();
  } else {
    table.openEmpty();
  }
  table.insert();
  try {
    for (const auto& [name, value] : sets) setField(table, name, value);
    if (!functsFile.empty())
      table.setString(fieldName(ProblemField::Functs), toCrLf(readWholeFile(functsFile)));
  } catch (const UsageError& e) {
    std::fprintf(stderr, "vantle-cli add: %s\n", e.what());
    return 2;
  }
  bench.rules().yParameterChanged();
  if (!table.post()) return 1;
  table.save(database);
  return 0;
}
