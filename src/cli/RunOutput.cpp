#include "cli/RunOutput.h"

#include "base/NumberText.h"
#include "analysis/RunResults.h"
#include "calc/PhaseGrid.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

void writeFile(const std::string& dir, const char* name, const std::string& text) {
  const std::string path = (std::filesystem::path(dir) / name).string();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) throw std::runtime_error("Cannot create file " + path);
}

// The grid is the largest output: written row by row rather than built in memory.
void writeGridCsv(const std::string& dir, const PhaseGrid& grid) {
  const std::string path = (std::filesystem::path(dir) / "grid.csv").string();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::string line;
  for (int r = 0; r < grid.rowCount() && out; ++r) {
    line.clear();
    for (int c = 0; c < grid.colCount(); ++c) {
      if (c > 0) line += ',';
      line += csvQuoted(grid.cell(c, r));
    }
    line += '\n';
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
  }
  out.close();
  if (!out) throw std::runtime_error("Cannot create file " + path);
}

std::string tiesCsv(const RunResults& results) {
  std::string out = "X,Y,Col,Name\n";
  for (const TZPoint& p : results.run.tiePoints) {
    out += formatShortest(p.X) + ',' + formatShortest(p.Y) + ',' + formatInt(p.Col) + ',' +
           csvQuoted(p.Name) + '\n';
  }
  return out;
}

std::string nodesCsv(const RunResults& results) {
  std::string out = "Y,X,XLeft,XRight\n";
  for (const TNode& n : results.analysis.NodeList)
    out += formatShortest(n.Y) + ',' + formatShortest(n.X) + ',' + formatShortest(n.XLeft) + ',' +
           formatShortest(n.XRight) + '\n';
  return out;
}

std::string specialCsv(const RunResults& results) {
  std::string out = "X,Y\n";
  for (const SpecialPoint& p : results.analysis.SpecialPoints)
    out += formatShortest(p.X) + ',' + formatShortest(p.Y) + '\n';
  return out;
}

std::string otherText(const RunResults& results) {
  std::string out;
  for (const std::string& text : results.analysis.OtherPoints) out += text + '\n';
  return out;
}

}  // namespace

std::string csvQuoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

void writeRunOutput(const RunResults& results, const std::string& dir) {
  writeGridCsv(dir, results.run.grid);
  writeFile(dir, "ties.csv", tiesCsv(results));
  writeFile(dir, "nodes.csv", nodesCsv(results));
  writeFile(dir, "special.csv", specialCsv(results));
  writeFile(dir, "other.txt", otherText(results));
}
