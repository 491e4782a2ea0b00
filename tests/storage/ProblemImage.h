#pragma once

#include "storage/TableImage.h"

// The table of a problem database, as the files these tests write hold it: storage knows no
// problems, so its tests bring the layout themselves.
inline TableImage problemTableImage() {
  TableImage image;
  image.fields = {{"ProblemName", FieldType::SmallStr, 20}, {"Ymin", FieldType::Double},
                  {"Ymax", FieldType::Double},               {"Zvalue", FieldType::Double},
                  {"YPoints", FieldType::SmallInt},          {"XPoints", FieldType::SmallInt},
                  {"ShowMosaicDiagram", FieldType::Boolean}, {"ShowChart", FieldType::Boolean},
                  {"Functs", FieldType::Memo},               {"Yparameter", FieldType::SmallStr, 20},
                  {"Zparameter", FieldType::SmallStr, 20}};
  return image;
}
