#include "cli/Commands.h"

#include "base/AsciiCase.h"
#include "cli/JsonText.h"
#include "problem/ProblemFields.h"
#include "storage/FieldCodec.h"
#include "storage/TableImage.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* const kUsage =
    "usage: vantle-cli dump DB\n"
    "Prints the records of the database DB as a JSON array in file order: the eleven problem\n"
    "fields by name, and an \"extra\" object with any other field the file has.\n";

std::string hexText(const std::string& bytes) {
  static const char* const kHex = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += kHex[c >> 4];
    out += kHex[c & 0xF];
  }
  return out;
}

std::string jsonValue(const FieldDef& field, const TableRecord& record, std::size_t index) {
  static const std::string kBlank;
  const std::string& stored = index < record.values.size() ? record.values[index] : kBlank;
  switch (field.type) {
    case FieldType::SmallInt:
      return std::to_string(decodeSmallInt(stored));
    case FieldType::Integer:
    case FieldType::Date:
    case FieldType::Time:
    case FieldType::AutoInc:
      return std::to_string(decodeInteger(stored));
    case FieldType::Boolean:
      return decodeBoolean(stored) ? "true" : "false";
    case FieldType::Double:
    case FieldType::Currency:
    case FieldType::DateTime:
      return jsonNumber(decodeDouble(stored));
    case FieldType::Blob:
    case FieldType::Graphic:
      return stored.empty() ? "null" : jsonString(hexText(stored));
    default:
      return stored.empty() ? "null" : jsonString(stored);
  }
}

bool isProblemField(const FieldDef& field) {
  for (const auto& info : kProblemFields)
    if (equalsIgnoringCase(field.name, info.name)) return true;
  return false;
}

}  // namespace

int runDump(int argc, char** argv) {
  if (argc == 1 && std::strcmp(argv[0], "--help") == 0) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (argc != 1) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const TableImage image = readTable(argv[0]);
  std::string out = "[";
  for (std::size_t r = 0; r < image.records.size(); ++r) {
    const TableRecord& record = image.records[r];
    out += r == 0 ? "\n  {" : ",\n  {";
    bool firstField = true;
    for (const auto& info : kProblemFields) {
      std::string value = "null";
      for (std::size_t f = 0; f < image.fields.size(); ++f)
        if (equalsIgnoringCase(image.fields[f].name, info.name))
          value = jsonValue(image.fields[f], record, f);
      out += firstField ? "" : ", ";
      out += jsonString(info.name) + ": " + value;
      firstField = false;
    }
    out += ", \"extra\": {";
    bool firstExtra = true;
    for (std::size_t f = 0; f < image.fields.size(); ++f) {
      if (isProblemField(image.fields[f])) continue;
      out += firstExtra ? "" : ", ";
      out += jsonString(image.fields[f].name) + ": " + jsonValue(image.fields[f], record, f);
      firstExtra = false;
    }
    out += "}}";
  }
  out += image.records.empty() ? "]\n" : "\n]\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}
