#include "tdb/MagneticTerm.h"

#include "tdb/ExpressionAlgebra.h"

TdbExpr magneticEnergy(const TdbExpr& tc, const TdbExpr& beta, double p) {
  const double d = 518.0 / 1125.0 + 11692.0 / 15975.0 * (1 / p - 1);
  const TdbExpr t = TdbExpr::symbol("T");
  // u = 1/tau = Tc/T; below Tc (u >= 1) the series in tau, above it the series in 1/tau.
  // MAX and MIN keep each series within its own branch, so neither ever overflows or divides
  // by zero, and the branch not taken is multiplied by an exact 0.
  const TdbExpr inverseTau = tc / t;
  const TdbExpr low = TdbExpr::call("MAX", {inverseTau, number(1)});
  const TdbExpr high = TdbExpr::call("MIN", {inverseTau, number(1)});
  const TdbExpr below = TdbExpr::call("HEAV", {inverseTau - number(1)});
  const TdbExpr ferro =
      number(1) - (number(79 / (140 * p * d)) * low +
                   number(474 / (497 * d) * (1 / p - 1)) *
                       (power(low, -3) / number(6) + power(low, -9) / number(135) +
                        power(low, -15) / number(600)));
  const TdbExpr para =
      number(1 / d) * (power(high, 5) / number(10) + power(high, 15) / number(315) +
                       power(high, 25) / number(1500));
  const TdbExpr g = below * ferro - (number(1) - below) * para;
  return number(8.31451) * t * TdbExpr::call("LN", {number(1) + beta}) * g;
}

TdbExpr antiferromagneticEffective(const TdbExpr& value, double factor) {
  if (const auto constant = constantValue(value))
    return number(*constant >= 0 ? *constant : *constant / factor);
  if (factor == -1) return TdbExpr::call("ABS", {value});
  return TdbExpr::call("MAX", {value, value / number(factor)});
}
