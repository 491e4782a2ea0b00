#pragma once

#include "tdb/TdbExpression.h"

// The magnetic contribution of the Inden-Hillert-Jarl model as the TDB tools write it:
// G = R T ln(beta + 1) g(tau), tau = T / Tc, with the structure factor p (0.4 for bcc, 0.28
// for the others). `tc` and `beta` are the effective values (antiferromagnetic ones already
// divided by the factor). Tc = 0 gives 0, as tau goes to infinity.
TdbExpr magneticEnergy(const TdbExpr& tc, const TdbExpr& beta, double p);

// The effective Tc or beta of a value: itself when positive, divided by the (negative)
// antiferromagnetic factor when negative.
TdbExpr antiferromagneticEffective(const TdbExpr& value, double factor);
