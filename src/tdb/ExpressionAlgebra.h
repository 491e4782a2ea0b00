#pragma once

#include "tdb/TdbDatabase.h"
#include "tdb/TdbExpression.h"

#include <optional>
#include <string>
#include <vector>

// Small rewrites of expression trees that the translation needs.

// One term of a sum with its sign.
struct SumTerm {
  bool negative = false;
  TdbExpr term;
};

// The terms of a sum, sums and signs flattened: a-(b-c) gives +a, -b, +c.
std::vector<SumTerm> sumTerms(const TdbExpr& e);
// The sum of the terms; 0 for none.
TdbExpr sumOf(const std::vector<SumTerm>& terms);

// The value of an expression without T, P or functions; nothing otherwise.
std::optional<double> constantValue(const TdbExpr& e);

// A function of T given in ranges as one expression: each range's expression times its
// weight, 1 inside the range and 0 outside, written with HEAV (1 for a zero argument, so a
// limit belongs to the range above it). Below the first range the first one holds, above the
// last the last one. Ranges whose expression is 0 are left out.
TdbExpr piecewiseExpression(const std::vector<double>& limits, const std::vector<TdbExpr>& bodies);

// "298.15-600.65-1200-5000": the limits of the ranges.
std::string rangeLimitsText(const TdbPiecewise& value);

// Shorthands for building trees.
TdbExpr operator+(TdbExpr a, TdbExpr b);
TdbExpr operator-(TdbExpr a, TdbExpr b);
TdbExpr operator*(TdbExpr a, TdbExpr b);
TdbExpr operator/(TdbExpr a, TdbExpr b);
TdbExpr power(TdbExpr base, double exponent);
TdbExpr number(double value);
