#include "tdb/ExpressionAlgebra.h"

#include "tdb/ExpressionText.h"

#include <cmath>

namespace {

using Kind = TdbExpr::Kind;

void collect(const TdbExpr& e, bool negative, std::vector<SumTerm>& out) {
  switch (e.kind) {
    case Kind::Add:
      collect(e.args[0], negative, out);
      collect(e.args[1], negative, out);
      return;
    case Kind::Subtract:
      collect(e.args[0], negative, out);
      collect(e.args[1], !negative, out);
      return;
    case Kind::Negate: collect(e.args[0], !negative, out); return;
    default: out.push_back({negative, e});
  }
}

TdbExpr heaviside(TdbExpr argument) { return TdbExpr::call("HEAV", {std::move(argument)}); }

}  // namespace

std::vector<SumTerm> sumTerms(const TdbExpr& e) {
  std::vector<SumTerm> out;
  collect(e, false, out);
  return out;
}

TdbExpr sumOf(const std::vector<SumTerm>& terms) {
  if (terms.empty()) return number(0);
  TdbExpr out = terms[0].negative ? TdbExpr::unary(Kind::Negate, terms[0].term) : terms[0].term;
  for (std::size_t i = 1; i < terms.size(); ++i)
    out = TdbExpr::binary(terms[i].negative ? Kind::Subtract : Kind::Add, std::move(out),
                          terms[i].term);
  return out;
}

std::optional<double> constantValue(const TdbExpr& e) {
  std::vector<double> values;
  for (const TdbExpr& arg : e.args) {
    const auto value = constantValue(arg);
    if (!value) return std::nullopt;
    values.push_back(*value);
  }
  switch (e.kind) {
    case Kind::Number: return e.number;
    case Kind::GasConstant: return 8.31451;
    case Kind::Negate: return -values[0];
    case Kind::Add: return values[0] + values[1];
    case Kind::Subtract: return values[0] - values[1];
    case Kind::Multiply: return values[0] * values[1];
    case Kind::Divide:
      if (values[1] == 0) return std::nullopt;
      return values[0] / values[1];
    default: return std::nullopt;
  }
}

TdbExpr piecewiseExpression(const std::vector<double>& limits, const std::vector<TdbExpr>& bodies) {
  if (bodies.size() == 1) return bodies[0];
  const TdbExpr t = TdbExpr::symbol("T");
  std::vector<SumTerm> terms;
  for (std::size_t i = 0; i < bodies.size(); ++i) {
    if (bodies[i].isNumber(0)) continue;
    TdbExpr weight;
    if (i == 0) weight = number(1) - heaviside(t - number(limits[1]));
    else if (i + 1 == bodies.size()) weight = heaviside(t - number(limits[i]));
    else weight = heaviside(t - number(limits[i])) - heaviside(t - number(limits[i + 1]));
    terms.push_back({false, std::move(weight) * bodies[i]});
  }
  return sumOf(terms);
}

std::string rangeLimitsText(const TdbPiecewise& value) {
  std::string out;
  for (const TdbRange& range : value.ranges) out += numberText(range.low) + "-";
  return out + numberText(value.ranges.back().high);
}

TdbExpr operator+(TdbExpr a, TdbExpr b) {
  return TdbExpr::binary(Kind::Add, std::move(a), std::move(b));
}
TdbExpr operator-(TdbExpr a, TdbExpr b) {
  return TdbExpr::binary(Kind::Subtract, std::move(a), std::move(b));
}
TdbExpr operator*(TdbExpr a, TdbExpr b) {
  return TdbExpr::binary(Kind::Multiply, std::move(a), std::move(b));
}
TdbExpr operator/(TdbExpr a, TdbExpr b) {
  return TdbExpr::binary(Kind::Divide, std::move(a), std::move(b));
}
TdbExpr power(TdbExpr base, double exponent) {
  return TdbExpr::binary(Kind::Power, std::move(base), number(exponent));
}
TdbExpr number(double value) { return TdbExpr::constant(value); }
