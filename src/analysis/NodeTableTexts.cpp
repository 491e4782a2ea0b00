#include "analysis/NodeTableTexts.h"

#include "base/NumberText.h"

namespace {

std::string nodeValueText(double value) { return " " + formatFloat("0.###", value); }

}  // namespace

std::vector<std::vector<std::string>> nodeTableCells(const TNodeList& nodes,
                                                     std::string_view yParameterName) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(nodes.size() + 1);
  rows.push_back({yParameterName == "Temperature" ? " T" : " P", " X(left)", " X", " X(right)"});
  for (const TNode& node : nodes)
    rows.push_back({nodeValueText(node.Y), nodeValueText(node.XLeft), nodeValueText(node.X),
                    nodeValueText(node.XRight)});
  if (nodes.empty()) rows.emplace_back(4);
  return rows;
}
