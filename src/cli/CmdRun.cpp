#include "cli/Commands.h"

#include "base/NumberText.h"
#include "cli/CliDiagram.h"
#include "cli/CliDialogs.h"
#include "cli/FieldArgs.h"
#include "cli/JsonText.h"
#include "cli/PngWriter.h"
#include "cli/RunOutput.h"
#include "problem/ProblemFields.h"
#include "problem/ProblemView.h"
#include "calc/MosaicImage.h"
#include "calc/PhaseGrid.h"
#include "workbench/Workbench.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

const char* const kUsage =
    "usage: vantle-cli run DB \"PROBLEM NAME\" --out DIR [--set FIELD=VALUE]...\n"
    "                      [--mosaic-size WxH] [--json] [--progress] [--decimal-separator C]\n"
    "                      [--diagram FILE [--label X,Y]...]\n"
    "Opens the database DB, makes the first problem of that name current, applies the --set\n"
    "overrides in memory (the file is not changed), runs the problem to completion as the\n"
    "desktop program's Run would, finds its special points and writes into DIR:\n"
    "  grid.csv     the phase-region grid, every cell\n"
    "  ties.csv     the tie-line end points X,Y,Col,Name\n"
    "  nodes.csv    the nodes Y,X,XLeft,XRight\n"
    "  special.csv  the special points X,Y\n"
    "  other.txt    the other special points, one text per line\n"
    "  mosaic.png   the mosaic image (default 640x480)\n"
    "--json prints a one-line summary; --progress shows the current level on stderr.\n"
    "--diagram FILE also draws the phase diagram as the desktop program shows it (with the\n"
    "Chart.cfg of the current folder) and writes it as SVG, PNG or PDF by FILE's extension;\n"
    "each --label X,Y places there the region label a click at (X, Y) would place.\n";

struct RunArgs {
  std::string database;
  std::string problem;
  std::string outDir;
  std::vector<std::pair<std::string, std::string>> sets;
  int mosaicWidth = 640;
  int mosaicHeight = 480;
  bool json = false;
  bool progress = false;
  char separator = '.';
  std::string diagramFile;
  std::vector<std::pair<double, double>> labels;
};

std::pair<double, double> parseLabel(const std::string& text) {
  const auto comma = text.find(',');
  auto number = [&](std::string_view part) {
    double value = 0;
    const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (ec != std::errc() || end != part.data() + part.size() || !std::isfinite(value))
      throw UsageError("--label needs X,Y with two numbers, got '" + text + "'");
    return value;
  };
  if (comma == std::string::npos) throw UsageError("--label needs X,Y, got '" + text + "'");
  return {number(std::string_view(text).substr(0, comma)),
          number(std::string_view(text).substr(comma + 1))};
}

void parseSize(const std::string& text, int& width, int& height) {
  const auto x = text.find('x');
  if (x == std::string::npos) throw UsageError("--mosaic-size needs WxH, got '" + text + "'");
  auto number = [&](std::string_view part) {
    int value = 0;
    const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (ec != std::errc() || end != part.data() + part.size() || value < 1 || value > 20000)
      throw UsageError("--mosaic-size needs WxH between 1 and 20000, got '" + text + "'");
    return value;
  };
  width = number(std::string_view(text).substr(0, x));
  height = number(std::string_view(text).substr(x + 1));
}

RunArgs parseArgs(int argc, char** argv) {
  RunArgs args;
  std::vector<std::string> positional;
  for (int i = 0; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw UsageError(arg + " needs a value");
      return argv[++i];
    };
    if (arg == "--out") args.outDir = value();
    else if (arg == "--set") args.sets.push_back(splitAssignment(value()));
    else if (arg == "--mosaic-size") parseSize(value(), args.mosaicWidth, args.mosaicHeight);
    else if (arg == "--diagram") args.diagramFile = value();
    else if (arg == "--label") args.labels.push_back(parseLabel(value()));
    else if (arg == "--json") args.json = true;
    else if (arg == "--progress") args.progress = true;
    else if (arg == "--decimal-separator") {
      const std::string sep = value();
      if (sep.size() != 1) throw UsageError("--decimal-separator needs one character");
      args.separator = sep[0];
    } else if (arg.rfind("--", 0) == 0) throw UsageError("unknown option '" + arg + "'");
    else positional.push_back(arg);
  }
  if (positional.size() != 2) throw UsageError("run needs DB and PROBLEM NAME");
  if (args.outDir.empty()) throw UsageError("run needs --out DIR");
  args.database = positional[0];
  args.problem = positional[1];
  return args;
}

// The check boxes as the desktop program shows them after opening the problem: "By step" off,
// the other two bound to the record.
class CliRunView : public NullRunView {
 public:
  CliRunView(ProblemTable& table, const RunArgs& args) : m_table(table), m_args(args) {}

  bool showWorkingChart() override { return m_table.asBoolean("ShowChart"); }
  bool showMosaicDiagram() override { return m_table.asBoolean("ShowMosaicDiagram"); }
  int mosaicControlWidth() override { return m_args.mosaicWidth; }
  int mosaicControlHeight() override { return m_args.mosaicHeight; }
  void processPendingMessages() override {
    if (!m_args.progress || !m_run) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - m_lastShown < std::chrono::milliseconds(100) && m_run->Ycur > m_run->Ymin) return;
    m_lastShown = now;
    const double span = m_run->Ymax - m_run->Ymin;
    const double done = span > 0 ? (m_run->Ymax - m_run->Ycur) / span : 1;
    const int filled = static_cast<int>(std::lround(done * 30));
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(30, '.');
    std::fprintf(stderr, "\r[%s] level %d  %s = %s   ", bar.c_str(), m_run->LevelNo + 1,
                 m_yName.c_str(), formatFloat("0.####", m_run->Ycur).c_str());
    m_shown = true;
  }
  void watch(const RunState& run, std::string yName) {
    m_run = &run;
    m_yName = std::move(yName);
  }
  void finishProgress() {
    if (m_shown) std::fputc('\n', stderr);
  }

 private:
  ProblemTable& m_table;
  const RunArgs& m_args;
  const RunState* m_run = nullptr;
  std::string m_yName;
  std::chrono::steady_clock::time_point m_lastShown{};
  bool m_shown = false;
};

}  // namespace

int runRun(int argc, char** argv) {
  if (argc == 1 && std::string(argv[0]) == "--help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  RunArgs args;
  try {
    args = parseArgs(argc, argv);
  } catch (const UsageError& e) {
    std::fprintf(stderr, "vantle-cli run: %s\n%s", e.what(), kUsage);
    return 2;
  }
  setDecimalSeparator(args.separator);
  const auto started = std::chrono::steady_clock::now();

  CliDialogs dialogs;
  NullProblemView problemView;
  Workbench bench(dialogs, problemView);
  ProblemTable& table = bench.table();
  CliRunView view(table, args);
  bench.setRunView(view);
  bench.openDatabase(args.database);
  if (table.editing()) return 1;  // the normalisation refused a record; its warning is shown
  if (!bench.selectProblem(args.problem)) {
    CliDialogs::print("error", "Problem not found: " + args.problem);
    return 1;
  }
  if (!args.sets.empty()) {
    table.edit();
    try {
      for (const auto& [name, value] : args.sets) setField(table, name, value);
    } catch (const UsageError& e) {
      std::fprintf(stderr, "vantle-cli run: %s\n", e.what());
      return 2;
    }
    bench.yParameterChanged();
  }
  view.watch(bench.run(), bench.yParameterText());
  const bool completed = bench.runToEnd();
  // A failed analysis is reported as the run's error, before the progress line ends.
  if (completed) bench.analysis().rethrowFailure();
  view.finishProgress();
  if (!completed) return 1;

  const RunResults results = bench.results();
  std::filesystem::create_directories(args.outDir);
  writeRunOutput(results, args.outDir);
  const MosaicImage& mosaic = results.run.mosaic;
  writePng((std::filesystem::path(args.outDir) / "mosaic.png").string(), mosaic.width(),
           mosaic.height(), mosaic.pixels());
  if (!args.diagramFile.empty() && !writeDiagramPicture(results, args.diagramFile, args.labels))
    return 1;
  if (args.json) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("{\"levels\": %d, \"columns\": %d, \"tieLines\": %d, \"nodes\": %d, "
                "\"otherPoints\": %d, \"seconds\": %s}\n",
                results.run.grid.rowCount() - 1, results.run.grid.colCount() - 1,
                (bench.run().TieHigh + 1) / 2, static_cast<int>(results.analysis.NodeList.size()),
                static_cast<int>(results.analysis.OtherPoints.size()), jsonNumber(seconds).c_str());
  }
  return 0;
}
