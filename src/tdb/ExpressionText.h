#pragma once

#include "tdb/TdbExpression.h"

#include <string>

// How long sums are grouped: as written (a chain the compiler nests one level per term), or
// halved into brackets, the outer sum only or every sum, so that a long expression keeps
// within the compiler's nesting limit.
enum class SumLayout { Chain, BalancedOuter, BalancedAll };

// The expression in the description's language, bracketed as its compiler groups operators:
// no sign after a binary operator except a number's, a power's base and a quotient's
// denominator a name, number, call or bracket. R is 8.31451, the TDB's P (pascal) 100000*P.
// Holds no TDB function references (the translation replaces them first).
std::string expressionText(const TdbExpr& e, SumLayout layout = SumLayout::Chain);

// A number as the expression language reads it, always with ".": the shortest text that reads
// back as the same double, exponent without "+" or leading zeros ("8.05644E25", "1E-5").
std::string numberText(double value);
