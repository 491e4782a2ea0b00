#include "tdb/FunctionInliner.h"

#include "base/MessageText.h"
#include "base/NumberText.h"
#include "tdb/ExpressionAlgebra.h"
#include "tdb/TdbMessages.h"

#include <algorithm>

namespace {

using Kind = TdbExpr::Kind;

// Far beyond anything a description can hold (a few hundred operations): a file whose functions
// nest deeper, or grow larger when written out, is refused before it exhausts the stack or the
// memory.
constexpr std::size_t kMaxNesting = 100;
constexpr int kMaxNodes = 20000;

int nodeCount(const TdbExpr& e, int limit) {
  int count = 1;
  for (const TdbExpr& arg : e.args) {
    if (count > limit) break;
    count += nodeCount(arg, limit - count);
  }
  return count;
}

// A term that is a function times a number: the function's name and the signed number.
bool referenceTerm(const SumTerm& t, std::string& name, double& factor) {
  const TdbExpr& e = t.term;
  const TdbExpr* reference = nullptr;
  factor = 1;
  if (e.kind == Kind::Reference) {
    reference = &e;
  } else if (e.kind == Kind::Multiply) {
    for (int side = 0; side < 2; ++side) {
      const TdbExpr& r = e.args[static_cast<std::size_t>(side)];
      const TdbExpr& n = e.args[static_cast<std::size_t>(1 - side)];
      if (r.kind == Kind::Reference && n.kind == Kind::Number) {
        reference = &r;
        factor = n.number;
      }
    }
  }
  if (!reference) return false;
  name = reference->name;
  if (t.negative) factor = -factor;
  return true;
}

void collectReferences(const TdbExpr& e, std::vector<std::string>& out) {
  if (e.kind == Kind::Reference && std::find(out.begin(), out.end(), e.name) == out.end())
    out.push_back(e.name);
  for (const TdbExpr& arg : e.args) collectReferences(arg, out);
}

}  // namespace

TdbExpr FunctionInliner::withReferences(const TdbPiecewise& value, int line) {
  return build(value, line, false);
}

TdbExpr FunctionInliner::inlined(const TdbPiecewise& value, int line) {
  return build(value, line, true);
}

const TdbExpr& FunctionInliner::function(const std::string& name, int usedOnLine) {
  if (const auto done = m_done.find(name); done != m_done.end()) return done->second;
  const TdbFunction& f = find(name, usedOnLine);
  if (!m_active.insert(name).second)
    throw ETdbError(formatMessage(tdbmsg::kFunctionCycle, {name, formatInt(f.line)}));
  if (m_active.size() > kMaxNesting)
    throw ETdbError(formatMessage(tdbmsg::kFunctionTooLong, {name, formatInt(f.line)}));
  TdbExpr e = build(f.value, f.line, true);
  const int size = nodeCount(e, kMaxNodes);
  if (size > kMaxNodes)
    throw ETdbError(formatMessage(tdbmsg::kFunctionTooLong, {name, formatInt(f.line)}));
  m_active.erase(name);
  m_sizes[name] = size;
  return m_done.emplace(name, std::move(e)).first->second;
}

std::vector<std::string> FunctionInliner::references(const TdbExpr& e) {
  std::vector<std::string> out;
  collectReferences(e, out);
  return out;
}

TdbExpr FunctionInliner::build(const TdbPiecewise& value, int line, bool inlineReferences) {
  std::vector<std::vector<SumTerm>> ranges;
  for (const TdbRange& range : value.ranges) ranges.push_back(sumTerms(range.expr));
  // The functions every range adds with the same factor.
  std::vector<SumTerm> common;
  const std::vector<SumTerm> candidates = ranges[0];  // the ranges lose the common terms below
  for (const SumTerm& candidate : candidates) {
    std::string name;
    double factor = 0;
    if (!referenceTerm(candidate, name, factor)) continue;
    bool everywhere = true;
    for (std::size_t r = 1; r < ranges.size() && everywhere; ++r) {
      everywhere = std::any_of(ranges[r].begin(), ranges[r].end(), [&](const SumTerm& t) {
        std::string other;
        double otherFactor = 0;
        return referenceTerm(t, other, otherFactor) && other == name && otherFactor == factor;
      });
    }
    if (!everywhere) continue;
    common.push_back(candidate);
    for (auto& terms : ranges) {
      const auto same = std::find_if(terms.begin(), terms.end(), [&](const SumTerm& t) {
        std::string other;
        double otherFactor = 0;
        return referenceTerm(t, other, otherFactor) && other == name && otherFactor == factor;
      });
      terms.erase(same);
    }
  }
  std::vector<double> limits;
  std::vector<TdbExpr> bodies;
  for (std::size_t r = 0; r < ranges.size(); ++r) {
    limits.push_back(value.ranges[r].low);
    bodies.push_back(sumOf(ranges[r]));
  }
  limits.push_back(value.ranges.back().high);
  std::vector<SumTerm> terms;
  TdbExpr own = piecewiseExpression(limits, bodies);
  if (!own.isNumber(0) || common.empty()) terms.push_back({false, std::move(own)});
  terms.insert(terms.end(), common.begin(), common.end());
  TdbExpr out = sumOf(terms);
  int budget = kMaxNodes;
  if (inlineReferences) replaceReferences(out, line, budget);
  else
    for (const std::string& name : references(out)) find(name, line);
  return out;
}

void FunctionInliner::replaceReferences(TdbExpr& e, int line, int& budget) {
  if (e.kind == Kind::Reference) {
    const TdbExpr& f = function(e.name, line);
    budget -= m_sizes[e.name];
    if (budget < 0) {
      const int defined = find(e.name, line).line;
      throw ETdbError(formatMessage(tdbmsg::kFunctionTooLong, {e.name, formatInt(defined)}));
    }
    e = f;
    return;
  }
  for (TdbExpr& arg : e.args) replaceReferences(arg, line, budget);
}

const TdbFunction& FunctionInliner::find(const std::string& name, int usedOnLine) const {
  const TdbFunction* f = m_db.findFunction(name);
  if (!f) throw ETdbError(formatMessage(tdbmsg::kMissingFunction, {name, formatInt(usedOnLine)}));
  return *f;
}
