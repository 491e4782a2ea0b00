#pragma once

#include "tdb/TdbDatabase.h"
#include "tdb/TdbExpression.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// The piecewise values of a TDB file as expressions of T. A function that every range of a
// value adds alike (GPBLIQ = ... + GHSERPB in each range) is taken out of the ranges, so that
// it is written once. Functions are either kept as references (a phase uses them as
// variables) or replaced by their own expressions (a variable or a compound, which may use
// no variable, needs that).
class FunctionInliner {
 public:
  explicit FunctionInliner(const TdbDatabase& db) : m_db(db) {}

  // The value with its functions kept as references; `line` is the value's own line, named
  // when a function is missing. Throws ETdbError for a missing function or one that refers
  // to itself.
  TdbExpr withReferences(const TdbPiecewise& value, int line);
  // The value with every function replaced by its expression.
  TdbExpr inlined(const TdbPiecewise& value, int line);
  // A function's own expression, every function it uses replaced.
  const TdbExpr& function(const std::string& name, int usedOnLine);

  // The names of the functions a value refers to, directly, in order of appearance.
  static std::vector<std::string> references(const TdbExpr& e);

 private:
  TdbExpr build(const TdbPiecewise& value, int line, bool inlineReferences);
  // `budget`: how many more nodes the functions written out may bring.
  void replaceReferences(TdbExpr& e, int line, int& budget);
  const TdbFunction& find(const std::string& name, int usedOnLine) const;

  const TdbDatabase& m_db;
  std::map<std::string, TdbExpr> m_done;
  std::map<std::string, int> m_sizes;  // nodes of each function written out
  std::set<std::string> m_active;
};
