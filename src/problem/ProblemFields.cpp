#include "problem/ProblemFields.h"

TableImage newProblemTableImage() {
  TableImage image;
  for (const ProblemFieldInfo& info : kProblemFields)
    image.fields.push_back({info.name, info.type, info.maxLength});
  return image;
}

int yParameterItem(const std::string& text) {
  if (text == kYTemperature) return 0;
  if (text == kYPressure) return 1;
  if (text == kYFree) return 2;
  return -1;
}
