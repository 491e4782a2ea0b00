#pragma once

#include "evaluator/EvaluatorTables.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

// The recognisers of the expression language over one prepared text. Every text they
// look at is a piece of that text, so a piece is a position and a length.
enum class TermKind : std::uint8_t { N, V, Br, Neg, Sum, Diff, Prod, Div, Mod, Quot, Pow, F1, F2 };

struct Piece {
  int pos = 0;
  int len = 0;
};

// What a recogniser leaves in a term record: the halves it tried last (a side never
// filled stays unset) and, on success, the operand texts with brackets reduced.
struct Split {
  std::optional<Piece> left;
  std::optional<Piece> right;
  bool exponentIsNumber = false;
};

class TermRecognisers {
 public:
  TermRecognisers(std::string_view text, const CompilerTables& tables);

  // Acceptance alone, remembered per piece and kind: the splitter asks the same
  // question of the same piece many times.
  bool accepts(TermKind kind, Piece piece);
  // The recogniser as the term walk runs it, filling the term's left and right text.
  bool recognise(TermKind kind, Piece piece, Split& split);
  // Recogniser Br applied while it accepts: '((A))' gives 'A'.
  Piece reduce(Piece piece);

  std::string_view text(Piece piece) const { return m_text.substr(piece.pos, piece.len); }
  std::optional<double> number(Piece piece) const;
  double* variable(Piece piece) const;
  // The function's row, nullptr when no function has that name.
  const NamedFunction1* function1(Piece name) const;
  const NamedFunction2* function2(Piece name) const;

 private:
  bool run(TermKind kind, Piece piece, Split* split);
  bool binary(TermKind kind, Piece piece, Split* split);
  bool negation(Piece piece, Split* split);
  bool oneArgFunction(Piece piece, Split* split);
  bool twoArgFunction(Piece piece, Split* split);
  bool bracketed(Piece piece);
  bool any(Piece piece);
  bool balanced(Piece piece) const;
  // Accepts the side by the first kind of the list that does, reducing a bracketed side.
  std::optional<TermKind> acceptSide(const TermKind* kinds, int count, Piece& side);
  int firstOpenBracket(Piece piece) const;

  std::string_view m_text;
  const CompilerTables& m_tables;
  std::vector<int> m_openBefore;   // "(" in text[0, i)
  std::vector<int> m_closeBefore;  // ")" in text[0, i)
  std::unordered_map<std::uint64_t, bool> m_memo;
  int m_depth = 0;
};
