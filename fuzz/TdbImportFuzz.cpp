// Any bytes as a thermodynamic database file: the reader either fails with its own error or
// gives a database; each binary system of its first elements is then imported with the
// refused phases skipped. The only failure allowed is the import's own ETdbError, with a
// message; anything else (another exception, a crash, a hang) is a fault.
#include "tdb/TdbImport.h"
#include "tdb/TdbMessages.h"
#include "tdb/TdbReader.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

namespace {

void fail(const char* what) {
  std::fprintf(stderr, "not the import's own error: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    const TdbDatabase db = readTdb(text, "fuzz.tdb");
    const auto elements = systemElements(db);
    for (std::size_t a = 0; a < elements.size() && a < 3; ++a) {
      for (std::size_t b = 0; b < elements.size() && b < 3; ++b) {
        if (a == b) continue;
        try {
          const TdbImport imported = importBinarySystem(db, {elements[a], elements[b], {}, true});
          if (imported.description.empty()) fail("an empty description");
        } catch (const ETdbError& e) {
          if (std::string(e.what()).empty()) fail("an empty message");
        }
      }
    }
  } catch (const ETdbError& e) {
    if (std::string(e.what()).empty()) fail("an empty message");
  } catch (const std::exception& e) {
    fail(e.what());
  }
  return 0;
}
