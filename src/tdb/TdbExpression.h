#pragma once

#include <string>
#include <string_view>
#include <vector>

// An expression tree: what a TDB file writes, and what the translation builds from it for the
// phase description.
struct TdbExpr {
  enum class Kind {
    Number,       // `number`
    Symbol,       // a name the description knows as it is: T, X, SID, a variable (`name`)
    Reference,    // a TDB function, by `name` (NAME# in the file)
    GasConstant,  // R of the TDB tools
    Pressure,     // P of the TDB file, in pascal
    Negate,       // -args[0]
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,  // args[0] ** args[1]
    Call,   // `name`(args...): LN, EXP, SQRT, ABS, HEAV, MAX, MIN
  };

  Kind kind = Kind::Number;
  double number = 0;
  std::string name;
  std::vector<TdbExpr> args;

  static TdbExpr constant(double value);
  static TdbExpr leaf(Kind kind);
  static TdbExpr symbol(std::string name);
  static TdbExpr unary(Kind kind, TdbExpr operand);
  static TdbExpr binary(Kind kind, TdbExpr left, TdbExpr right);
  static TdbExpr call(std::string function, std::vector<TdbExpr> arguments);

  bool isNumber(double value) const { return kind == Kind::Number && number == value; }
};

// Reads a TDB expression: numbers, T, P, R, function names with or without "#", the
// operators + - * / ** (or ^), brackets and LN, LOG (natural), EXP, SQRT, ABS. Blanks are
// ignored. Throws ETdbError whose text says what is wrong (without the line).
TdbExpr parseTdbExpression(std::string_view text);
