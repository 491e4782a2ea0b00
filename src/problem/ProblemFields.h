#pragma once

#include "storage/TableImage.h"

#include <array>

// The eleven fields of a problem, in file order.
enum class ProblemField : int {
  ProblemName,
  Ymin,
  Ymax,
  Zvalue,
  YPoints,
  XPoints,
  ShowMosaicDiagram,
  ShowChart,
  Functs,
  Yparameter,
  Zparameter,
};

inline constexpr int kProblemFieldCount = 11;
inline constexpr int kProblemNameLength = 20;

struct ProblemFieldInfo {
  const char* name;
  FieldType type;
  int maxLength = 0;  // characters of a SmallStr field
};

inline constexpr std::array<ProblemFieldInfo, kProblemFieldCount> kProblemFields{{
    {"ProblemName", FieldType::SmallStr, kProblemNameLength},
    {"Ymin", FieldType::Double},
    {"Ymax", FieldType::Double},
    {"Zvalue", FieldType::Double},
    {"YPoints", FieldType::SmallInt},
    {"XPoints", FieldType::SmallInt},
    {"ShowMosaicDiagram", FieldType::Boolean},
    {"ShowChart", FieldType::Boolean},
    {"Functs", FieldType::Memo},
    {"Yparameter", FieldType::SmallStr, 20},
    {"Zparameter", FieldType::SmallStr, 20},
}};

// An empty problem database: the eleven fields, no notes, no records.
TableImage newProblemTableImage();

inline const char* fieldName(ProblemField field) {
  return kProblemFields[static_cast<std::size_t>(field)].name;
}

// The items of the Y parameter box, in order, and the Z label texts that go with them.
inline constexpr const char* kYTemperature = "Temperature";
inline constexpr const char* kYPressure = "Pressure";
inline constexpr const char* kYFree = "Y";
inline constexpr const char* kZForTemperature = "P";
inline constexpr const char* kZForPressure = "T";
inline constexpr const char* kZForFree = "P = 1 bar, T = 300 K";

// Index of a Y parameter text among the box's items, -1 when it is none of them.
int yParameterItem(const std::string& text);
