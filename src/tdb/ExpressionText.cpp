#include "tdb/ExpressionText.h"

#include "base/NumberText.h"
#include "tdb/ExpressionAlgebra.h"

#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

using Kind = TdbExpr::Kind;

constexpr const char* kGasConstant = "8.31451";

bool isNegativeNumber(const TdbExpr& e) { return e.kind == Kind::Number && std::signbit(e.number); }

// A product or quotient whose leftmost factor carries a sign: the same term without it.
bool withoutLeadingSign(const TdbExpr& e, TdbExpr& out) {
  if (isNegativeNumber(e)) {
    out = TdbExpr::constant(-e.number);
    return true;
  }
  if (e.kind == Kind::Negate) {
    out = e.args[0];
    return true;
  }
  if (e.kind != Kind::Multiply && e.kind != Kind::Divide) return false;
  TdbExpr left;
  if (!withoutLeadingSign(e.args[0], left)) return false;
  out = TdbExpr::binary(e.kind, std::move(left), e.args[1]);
  return true;
}

// The terms of a sum, each without a sign of its own: a leading negative number or negation
// of a product joins the term's sign, so that no "-" follows the "+" or "-" before it.
std::vector<SumTerm> unsignedTerms(const TdbExpr& e) {
  std::vector<SumTerm> out;
  for (SumTerm& t : sumTerms(e)) {
    TdbExpr bare;
    if (!withoutLeadingSign(t.term, bare)) {
      out.push_back(std::move(t));
    } else if (bare.kind == Kind::Add || bare.kind == Kind::Subtract || bare.kind == Kind::Negate) {
      for (SumTerm& inner : unsignedTerms(bare))
        out.push_back({inner.negative == t.negative, std::move(inner.term)});
    } else {
      out.push_back({!t.negative, std::move(bare)});
    }
  }
  return out;
}

class Writer {
 public:
  explicit Writer(SumLayout layout) : m_layout(layout) {}

  // A whole expression: a signed chain of terms.
  std::string sum(const TdbExpr& e, bool outer) {
    const std::vector<SumTerm> terms = unsignedTerms(e);
    const bool balanced =
        m_layout == SumLayout::BalancedAll || (m_layout == SumLayout::BalancedOuter && outer);
    return balanced ? balancedChain(terms, 0, terms.size()) : chain(terms, 0, terms.size());
  }

 private:
  std::string chain(const std::vector<SumTerm>& terms, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to; ++i)
      out += (terms[i].negative ? "-" : i == from ? "" : "+") + term(terms[i].term);
    return out;
  }

  // Halves of a long chain in brackets: nesting grows with the logarithm of its length.
  std::string balancedChain(const std::vector<SumTerm>& terms, std::size_t from, std::size_t to) {
    if (to - from <= 3) return chain(terms, from, to);
    const std::size_t middle = from + (to - from) / 2;
    return "(" + balancedChain(terms, from, middle) + ")+(" + balancedChain(terms, middle, to) +
           ")";
  }

  std::string bracketed(const TdbExpr& e) { return "(" + sum(e, false) + ")"; }

  // A term without a sign of its own: a product, quotient, power or primary.
  std::string term(const TdbExpr& e) {
    switch (e.kind) {
      case Kind::Multiply: return factor(e.args[0]) + "*" + factor(e.args[1]);
      case Kind::Divide: return factor(e.args[0]) + "/" + operand(e.args[1]);
      case Kind::Power: return power(e);
      default: return operand(e);
    }
  }

  // One side of a "*" or the left of a "/": products and quotients chain without brackets.
  std::string factor(const TdbExpr& e) {
    if (e.kind == Kind::Multiply || e.kind == Kind::Divide || e.kind == Kind::Power) return term(e);
    return operand(e);
  }

  // What a power's exponent, a denominator or a function's neighbour must be: a name, a
  // number without sign, a call, a power or a bracket.
  std::string operand(const TdbExpr& e) {
    switch (e.kind) {
      case Kind::Number:
        return isNegativeNumber(e) ? "(" + numberText(e.number) + ")" : numberText(e.number);
      case Kind::Symbol: return e.name;
      case Kind::GasConstant: return kGasConstant;
      case Kind::Pressure: return "(100000*P)";
      case Kind::Power: return power(e);
      case Kind::Call: {
        std::string out = e.name + "(";
        for (std::size_t i = 0; i < e.args.size(); ++i)
          out += (i ? "," : "") + sum(e.args[i], false);
        return out + ")";
      }
      case Kind::Reference:
        throw std::logic_error("a TDB function reference reached the description: " + e.name);
      default: return bracketed(e);
    }
  }

  std::string power(const TdbExpr& e) {
    const TdbExpr& base = e.args[0];
    const bool plainBase = base.kind == Kind::Symbol || base.kind == Kind::Call ||
                           base.kind == Kind::GasConstant ||
                           (base.kind == Kind::Number && !isNegativeNumber(base));
    const std::string baseText = plainBase ? operand(base) : bracketed(base);
    const TdbExpr& exponent = e.args[1];
    double value = 0;
    if (exponent.kind == Kind::Number) value = exponent.number;
    else if (exponent.kind == Kind::Negate && exponent.args[0].kind == Kind::Number)
      value = -exponent.args[0].number;
    else return baseText + "^" + bracketed(exponent);
    // A signed number is one operand after "^", so T^-9 needs no bracket.
    return baseText + "^" + numberText(value);
  }

  SumLayout m_layout;
};

}  // namespace

std::string numberText(double value) {
  std::string text = formatShortest(value);
  const auto e = text.find('e');
  if (e == std::string::npos) return text;
  std::string exponent = text.substr(e + 1);
  bool negative = false;
  if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
    negative = exponent[0] == '-';
    exponent.erase(0, 1);
  }
  while (exponent.size() > 1 && exponent[0] == '0') exponent.erase(0, 1);
  return text.substr(0, e) + "E" + (negative ? "-" : "") + exponent;
}

std::string expressionText(const TdbExpr& e, SumLayout layout) {
  return Writer(layout).sum(e, true);
}
