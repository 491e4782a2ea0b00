#include "storage/TableImage.h"

const char* fieldTypeName(FieldType type) {
  switch (type) {
    case FieldType::SmallInt: return "SmallInt";
    case FieldType::Integer: return "Integer";
    case FieldType::Boolean: return "Boolean";
    case FieldType::Double: return "Double";
    case FieldType::Currency: return "Currency";
    case FieldType::Date: return "Date";
    case FieldType::Time: return "Time";
    case FieldType::DateTime: return "DateTime";
    case FieldType::AutoInc: return "AutoInc";
    case FieldType::SmallStr: return "SmallStr";
    case FieldType::String: return "String";
    case FieldType::Blob: return "BLOB";
    case FieldType::Memo: return "Memo";
    case FieldType::FmtMemo: return "FmtMemo";
    case FieldType::Graphic: return "Graphic";
  }
  return "Unknown";
}

int fixedWidth(FieldType type) {
  switch (type) {
    case FieldType::SmallInt:
    case FieldType::Boolean: return 2;
    case FieldType::Integer:
    case FieldType::Date:
    case FieldType::Time:
    case FieldType::AutoInc: return 4;
    case FieldType::Double:
    case FieldType::Currency:
    case FieldType::DateTime: return 8;
    default: return 0;
  }
}

bool isLengthPrefixed(FieldType type) {
  switch (type) {
    case FieldType::String:
    case FieldType::Blob:
    case FieldType::Memo:
    case FieldType::FmtMemo:
    case FieldType::Graphic: return true;
    default: return false;
  }
}
