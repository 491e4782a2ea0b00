// Any bytes as a database file: the reader either fails with its own error or gives a table
// that the writer turns into a file reading back as the same table. A file that reads is then
// opened as the program opens it (field binding, sorting, normalisation with its posts), and the
// records it would save read back again.
#include "base/Errors.h"
#include "base/UserDialogs.h"
#include "problem/ProblemTable.h"
#include "problem/ProblemView.h"
#include "storage/FieldCodec.h"
#include "storage/TableImage.h"
#include "workbench/Workbench.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "round trip broken: %s\n", what);
    std::abort();
  }
}

class SilentDialogs : public UserDialogs {
 public:
  void warning(const std::string&) override {}
  void error(const std::string&) override {}
  void message(const std::string&) override {}
  bool confirm(const std::string&) override { return true; }
};

// One file per fuzzing process, removed when it ends.
struct ScratchFile {
  std::string name = "/tmp/vantle-dbfuzz-" + std::to_string(::getpid()) + ".d";
  ~ScratchFile() { std::remove(name.c_str()); }
};

const std::string& scratchFile() {
  static const ScratchFile file;
  return file.name;
}

void openAsTheProgramDoes(const std::string& bytes) {
  std::ofstream(scratchFile(), std::ios::binary | std::ios::trunc) << bytes;
  SilentDialogs dialogs;
  NullProblemView view;
  Workbench bench(dialogs, view);
  try {
    bench.openDatabase(scratchFile());
  } catch (const std::exception&) {
    return;  // a record field missing or of another type: the open's own message
  }
  ProblemTable& table = bench.table();
  for (int i = 0; i < table.recordCount(); ++i) (void)table.nameAt(i);
  const TableImage saved = table.imageForSave();
  const TableImage back = parseTable(buildTable(saved));
  require(back.records.size() == saved.records.size(), "records of the opened table");
  require(static_cast<int>(saved.records.size()) == table.recordCount(), "record count");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const std::string bytes = provider.ConsumeRemainingBytesAsString();
  TableImage first;
  try {
    first = parseTable(bytes);
  } catch (const EDatabaseError&) {
    return 0;
  }
  const std::string built = buildTable(first);
  TableImage second;
  try {
    second = parseTable(built);
  } catch (const EDatabaseError& e) {
    std::fprintf(stderr, "written table does not read back: %s\n", e.what());
    std::abort();
  }
  require(second.fieldBlock == first.fieldBlock, "field block");
  require(second.notes == first.notes, "notes");
  require(second.records.size() == first.records.size(), "record count");
  for (std::size_t r = 0; r < first.records.size(); ++r) {
    for (std::size_t f = 0; f < first.fields.size(); ++f) {
      require(second.records[r].values[f] ==
                  storedForm(first.fields[f], first.records[r].values[f]),
              "stored value");
    }
  }
  require(buildTable(second) == built, "second image differs");
  openAsTheProgramDoes(bytes);
  return 0;
}
