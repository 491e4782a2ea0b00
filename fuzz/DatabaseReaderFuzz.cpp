// Any bytes as a database file: the reader either fails with its own error or gives a table
// that the writer turns into a file reading back as the same table.
#include "base/Errors.h"
#include "storage/FieldCodec.h"
#include "storage/TableImage.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "round trip broken: %s\n", what);
    std::abort();
  }
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
  return 0;
}
