#include "evaluator/TermRecognisers.h"

#include "evaluator/EvaluatorErrors.h"
#include "evaluator/NumberRecogniser.h"

#include <iterator>

namespace {

using K = TermKind;

// The kinds each side of a binary operator may be, in the order they are tried.
constexpr K kSumLeft[] = {K::V, K::N, K::Br, K::Neg, K::Diff, K::Prod, K::Div, K::Mod, K::Quot, K::Pow, K::F1, K::F2};
constexpr K kSumRight[] = {K::V, K::N, K::Br, K::Sum, K::Diff, K::Prod, K::Div, K::Mod, K::Quot, K::Pow, K::F1, K::F2};
constexpr K kDiffRight[] = {K::V, K::N, K::Br, K::Prod, K::Div, K::Mod, K::Quot, K::Pow, K::F1, K::F2};
constexpr K kProdLeft[] = {K::V, K::N, K::Br, K::Neg, K::Div, K::Mod, K::Quot, K::Pow, K::F1, K::F2};
constexpr K kProdRight[] = {K::V, K::N, K::Br, K::Prod, K::Div, K::Mod, K::Quot, K::Pow, K::F1, K::F2};
constexpr K kQuotRight[] = {K::V, K::N, K::Br, K::Pow, K::F1, K::F2};
constexpr K kPowLeft[] = {K::V, K::N, K::Br, K::F1, K::F2};
constexpr K kPowRight[] = {K::N, K::V, K::Br, K::F1, K::F2};
constexpr K kNegRest[] = {K::Br, K::N, K::V, K::Pow, K::F1, K::F2};
constexpr K kAny[] = {K::N, K::V, K::Neg, K::Sum, K::Diff, K::Prod, K::Div, K::Mod, K::Quot, K::Pow, K::F2, K::F1, K::Br};

// ANY is remembered beside the kinds under this code.
constexpr unsigned kAnyCode = 13;
// Deeper recursion than this comes only from absurd texts; it would exhaust the stack.
constexpr int kMaxDepth = 1500;

struct OperatorRule {
  std::string_view text;
  const K* leftKinds;
  int leftCount;
  const K* rightKinds;
  int rightCount;
};

template <std::size_t L, std::size_t R>
constexpr OperatorRule rule(std::string_view text, const K (&left)[L], const K (&right)[R]) {
  return {text, left, static_cast<int>(L), right, static_cast<int>(R)};
}

OperatorRule operatorRule(K kind) {
  switch (kind) {
    case K::Sum: return rule("+", kSumLeft, kSumRight);
    case K::Diff: return rule("-", kSumLeft, kDiffRight);
    case K::Prod: return rule("*", kProdLeft, kProdRight);
    case K::Div: return rule("DIV", kProdLeft, kQuotRight);
    case K::Mod: return rule("MOD", kProdLeft, kQuotRight);
    case K::Quot: return rule("/", kProdLeft, kQuotRight);
    default: return rule("^", kPowLeft, kPowRight);
  }
}

class DepthGuard {
 public:
  explicit DepthGuard(int& depth) : m_depth(depth) {
    if (++m_depth > kMaxDepth) {
      --m_depth;
      throw EExpressionTooComplex();
    }
  }
  ~DepthGuard() { --m_depth; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;

 private:
  int& m_depth;
};

}  // namespace

TermRecognisers::TermRecognisers(std::string_view text, const CompilerTables& tables)
    : m_text(text), m_tables(tables), m_openBefore(text.size() + 1), m_closeBefore(text.size() + 1) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    m_openBefore[i + 1] = m_openBefore[i] + (text[i] == '(' ? 1 : 0);
    m_closeBefore[i + 1] = m_closeBefore[i] + (text[i] == ')' ? 1 : 0);
  }
}

bool TermRecognisers::accepts(TermKind kind, Piece piece) {
  const std::uint64_t key =
      ((static_cast<std::uint64_t>(piece.pos) << 32) | static_cast<std::uint32_t>(piece.len)) * 16 +
      static_cast<unsigned>(kind);
  if (const auto it = m_memo.find(key); it != m_memo.end()) return it->second;
  const bool result = run(kind, piece, nullptr);
  m_memo.emplace(key, result);
  return result;
}

bool TermRecognisers::recognise(TermKind kind, Piece piece, Split& split) {
  return run(kind, piece, &split);
}

Piece TermRecognisers::reduce(Piece piece) {
  while (accepts(K::Br, piece)) piece = {piece.pos + 1, piece.len - 2};
  return piece;
}

std::optional<double> TermRecognisers::number(Piece piece) const {
  return recogniseNumber(text(piece), true, m_tables.numberFormatSwitch);
}

double* TermRecognisers::variable(Piece piece) const {
  double* const* slot = m_tables.variables.find(text(piece));
  return slot ? *slot : nullptr;
}

const NamedFunction1* TermRecognisers::function1(Piece name) const {
  const NamedFunction1* const* row = m_tables.functions1.find(text(name));
  return row ? *row : nullptr;
}

const NamedFunction2* TermRecognisers::function2(Piece name) const {
  const NamedFunction2* const* row = m_tables.functions2.find(text(name));
  return row ? *row : nullptr;
}

bool TermRecognisers::run(TermKind kind, Piece piece, Split* split) {
  const DepthGuard guard(m_depth);
  switch (kind) {
    case K::N: return number(piece).has_value();
    case K::V: return variable(piece) != nullptr;
    case K::Br: return bracketed(piece);
    case K::Neg: return negation(piece, split);
    case K::F1: return oneArgFunction(piece, split);
    case K::F2: return twoArgFunction(piece, split);
    default: return binary(kind, piece, split);
  }
}

// Split rule: try each occurrence of the operator from the left; both halves balanced
// and each accepted by one of its side's kinds.
bool TermRecognisers::binary(TermKind kind, Piece piece, Split* split) {
  const OperatorRule op = operatorRule(kind);
  const std::string_view s = text(piece);
  const bool keyword = op.text.size() == 3;
  const int n = piece.len;
  const int opLen = static_cast<int>(op.text.size());
  for (std::size_t found = s.find(op.text); found != std::string_view::npos;
       found = s.find(op.text, found + 1)) {
    const int i = static_cast<int>(found);
    if (keyword || kind == K::Diff) {
      if (i == 0) continue;
      if (!keyword && i == n - 1) return false;
    } else if (i == 0 || i == n - 1) {
      return false;
    }
    Piece left{piece.pos, i};
    Piece right{piece.pos + i + opLen, n - i - opLen};
    if (split) {
      split->left = left;
      split->right = right;
    }
    if (!balanced(left) || !balanced(right)) continue;
    const std::optional<K> leftKind = acceptSide(op.leftKinds, op.leftCount, left);
    if (split) split->left = left;
    if (!leftKind) continue;
    const std::optional<K> rightKind = acceptSide(op.rightKinds, op.rightCount, right);
    if (split) split->right = right;
    if (!rightKind) continue;
    if (split) split->exponentIsNumber = kind == K::Pow && *rightKind == K::N;
    return true;
  }
  return false;
}

// Neg: a leading "-" before a bracketed term, number, name, power or function call.
bool TermRecognisers::negation(Piece piece, Split* split) {
  if (piece.len < 1 || m_text[piece.pos] != '-') return false;
  Piece rest{piece.pos + 1, piece.len - 1};
  const bool ok = acceptSide(kNegRest, static_cast<int>(std::size(kNegRest)), rest).has_value();
  if (split) split->left = rest;
  return ok;
}

// F1: NAME "(" ... ")" with NAME a one-argument function and the rest bracketed.
bool TermRecognisers::oneArgFunction(Piece piece, Split* split) {
  const int open = firstOpenBracket(piece);
  if (open < 1 || !function1({piece.pos, open})) return false;
  Piece argument{piece.pos + open, piece.len - open};
  const bool ok = accepts(K::Br, argument);
  if (ok) argument = reduce(argument);
  if (split) split->left = argument;
  return ok;
}

// F2: NAME "(" first "," second ")", the commas tried from the left.
bool TermRecognisers::twoArgFunction(Piece piece, Split* split) {
  const int open = firstOpenBracket(piece);
  if (open < 1 || m_text[piece.pos + piece.len - 1] != ')' || !function2({piece.pos, open}))
    return false;
  const Piece inside{piece.pos + open + 1, piece.len - open - 2};
  const std::string_view s = text(inside);
  for (std::size_t found = s.find(','); found != std::string_view::npos; found = s.find(',', found + 1)) {
    const int c = static_cast<int>(found);
    if (c == 0) return false;
    const Piece first{inside.pos, c};
    const Piece second{inside.pos + c + 1, inside.len - c - 1};
    const bool ok = any(first) && any(second);
    if (split) {
      split->left = ok ? reduce(first) : first;
      split->right = ok ? reduce(second) : second;
    }
    if (ok) return true;
  }
  return false;
}

bool TermRecognisers::bracketed(Piece piece) {
  return piece.len >= 2 && m_text[piece.pos] == '(' && m_text[piece.pos + piece.len - 1] == ')' &&
         any({piece.pos + 1, piece.len - 2});
}

bool TermRecognisers::any(Piece piece) {
  const std::uint64_t key =
      ((static_cast<std::uint64_t>(piece.pos) << 32) | static_cast<std::uint32_t>(piece.len)) * 16 +
      kAnyCode;
  if (const auto it = m_memo.find(key); it != m_memo.end()) return it->second;
  bool result = false;
  for (K kind : kAny) {
    if (accepts(kind, piece)) {
      result = true;
      break;
    }
  }
  m_memo.emplace(key, result);
  return result;
}

bool TermRecognisers::balanced(Piece piece) const {
  const int end = piece.pos + piece.len;
  return m_openBefore[end] - m_openBefore[piece.pos] == m_closeBefore[end] - m_closeBefore[piece.pos];
}

std::optional<TermKind> TermRecognisers::acceptSide(const TermKind* kinds, int count, Piece& side) {
  for (int k = 0; k < count; ++k) {
    if (accepts(kinds[k], side)) {
      if (kinds[k] == K::Br) side = reduce(side);
      return kinds[k];
    }
  }
  return std::nullopt;
}

int TermRecognisers::firstOpenBracket(Piece piece) const {
  const std::size_t found = text(piece).find('(');
  return found == std::string_view::npos ? -1 : static_cast<int>(found);
}
