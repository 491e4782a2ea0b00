#include "tdb/TdbExpression.h"

#include "base/AsciiCase.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "tdb/TdbMessages.h"

#include <utility>

TdbExpr TdbExpr::constant(double value) {
  TdbExpr e;
  e.number = value;
  return e;
}

TdbExpr TdbExpr::leaf(Kind kind) {
  TdbExpr e;
  e.kind = kind;
  return e;
}

TdbExpr TdbExpr::symbol(std::string name) {
  TdbExpr e = leaf(Kind::Symbol);
  e.name = std::move(name);
  return e;
}

TdbExpr TdbExpr::unary(Kind kind, TdbExpr operand) {
  TdbExpr e;
  e.kind = kind;
  e.args.push_back(std::move(operand));
  return e;
}

TdbExpr TdbExpr::binary(Kind kind, TdbExpr left, TdbExpr right) {
  TdbExpr e;
  e.kind = kind;
  e.args.push_back(std::move(left));
  e.args.push_back(std::move(right));
  return e;
}

TdbExpr TdbExpr::call(std::string function, std::vector<TdbExpr> arguments) {
  TdbExpr e;
  e.kind = Kind::Call;
  e.name = std::move(function);
  e.args = std::move(arguments);
  return e;
}

namespace {

// Far beyond any real expression; the limits keep a hostile file from exhausting the stack.
constexpr int kMaxDepth = 100;
constexpr int kMaxOperations = 10000;

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Recursive descent over the text without its blanks: sum, product, sign, power, primary.
class ExpressionParser {
 public:
  explicit ExpressionParser(std::string text) : m_text(std::move(text)) {}

  TdbExpr parse() {
    TdbExpr e = sum();
    if (m_pos < m_text.size()) unexpected();
    return e;
  }

 private:
  // Counts how deep the descent is while a rule runs.
  struct Depth {
    explicit Depth(ExpressionParser& p) : parser(p) {
      if (++parser.m_depth > kMaxDepth) fail(tdbmsg::kTooLong);
    }
    ~Depth() { --parser.m_depth; }
    ExpressionParser& parser;
  };

  void countOperation() {
    if (++m_operations > kMaxOperations) fail(tdbmsg::kTooLong);
  }

  TdbExpr sum() {
    const Depth depth(*this);
    TdbExpr e = product();
    while (m_pos < m_text.size() && (peek() == '+' || peek() == '-')) {
      countOperation();
      const auto kind = m_text[m_pos++] == '+' ? TdbExpr::Kind::Add : TdbExpr::Kind::Subtract;
      e = TdbExpr::binary(kind, std::move(e), product());
    }
    return e;
  }

  TdbExpr product() {
    TdbExpr e = signedFactor();
    while (m_pos < m_text.size() && (peek() == '/' || (peek() == '*' && !atPower()))) {
      countOperation();
      const auto kind = m_text[m_pos++] == '*' ? TdbExpr::Kind::Multiply : TdbExpr::Kind::Divide;
      e = TdbExpr::binary(kind, std::move(e), signedFactor());
    }
    return e;
  }

  // A sign binds looser than a power: -T**2 is -(T**2).
  TdbExpr signedFactor() {
    const Depth depth(*this);
    if (m_pos < m_text.size() && (peek() == '-' || peek() == '+')) {
      const bool minus = m_text[m_pos++] == '-';
      TdbExpr operand = signedFactor();
      return minus ? TdbExpr::unary(TdbExpr::Kind::Negate, std::move(operand)) : operand;
    }
    return power();
  }

  TdbExpr power() {
    TdbExpr base = primary();
    if (atPower()) {
      m_pos += peek() == '^' ? 1 : 2;
      return TdbExpr::binary(TdbExpr::Kind::Power, std::move(base), signedFactor());
    }
    return base;
  }

  TdbExpr primary() {
    if (m_pos >= m_text.size()) fail(tdbmsg::kUnexpectedEnd);
    const char c = peek();
    if (c == '(') {
      ++m_pos;
      TdbExpr inside = sum();
      expect(')');
      return inside;
    }
    if (isDigit(c) || c == '.') return number();
    if (isLetter(c)) return name();
    unexpected();
  }

  TdbExpr number() {
    const std::size_t start = m_pos;
    while (m_pos < m_text.size() && (isDigit(peek()) || peek() == '.')) ++m_pos;
    if (m_pos < m_text.size() && (peek() == 'E' || peek() == 'D')) {
      std::size_t after = m_pos + 1;
      if (after < m_text.size() && (m_text[after] == '+' || m_text[after] == '-')) ++after;
      if (after < m_text.size() && isDigit(m_text[after])) {
        m_pos = after;
        while (m_pos < m_text.size() && isDigit(peek())) ++m_pos;
      }
    }
    std::string written = m_text.substr(start, m_pos - start);
    // Some files write Fortran's D for the exponent.
    for (char& ch : written)
      if (ch == 'D') ch = 'E';
    const auto value = tryReadFileNumber(written);
    if (!value) fail(formatMessage(tdbmsg::kBadNumber, {written}));
    return TdbExpr::constant(*value);
  }

  TdbExpr name() {
    const std::size_t start = m_pos;
    while (m_pos < m_text.size() && (isLetter(peek()) || isDigit(peek()))) ++m_pos;
    const std::string word = m_text.substr(start, m_pos - start);
    const bool marked = m_pos < m_text.size() && peek() == '#';
    if (marked) ++m_pos;
    if (!marked && m_pos < m_text.size() && peek() == '(') {
      ++m_pos;
      TdbExpr argument = sum();
      expect(')');
      if (word == "LOG" || word == "LN") return TdbExpr::call("LN", {std::move(argument)});
      if (word == "EXP" || word == "SQRT" || word == "ABS")
        return TdbExpr::call(word, {std::move(argument)});
      fail(formatMessage(tdbmsg::kUnknownFunction, {word}));
    }
    if (!marked && word == "T") return TdbExpr::symbol("T");
    if (!marked && word == "P") return TdbExpr::leaf(TdbExpr::Kind::Pressure);
    if (!marked && word == "R") return TdbExpr::leaf(TdbExpr::Kind::GasConstant);
    TdbExpr reference = TdbExpr::leaf(TdbExpr::Kind::Reference);
    reference.name = word;
    return reference;
  }

  bool atPower() const {
    if (m_pos >= m_text.size()) return false;
    if (m_text[m_pos] == '^') return true;
    return m_text[m_pos] == '*' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '*';
  }

  char peek() const { return m_text[m_pos]; }

  void expect(char c) {
    if (m_pos >= m_text.size()) fail(tdbmsg::kUnexpectedEnd);
    if (peek() != c) unexpected();
    ++m_pos;
  }

  [[noreturn]] void unexpected() {
    fail(formatMessage(tdbmsg::kUnexpectedCharacter, {m_text.substr(m_pos, 1)}));
  }
  [[noreturn]] static void fail(const std::string& what) { throw ETdbError(what); }

  std::string m_text;
  std::size_t m_pos = 0;
  int m_depth = 0;
  int m_operations = 0;
};

}  // namespace

TdbExpr parseTdbExpression(std::string_view text) {
  std::string compact;
  for (char c : text)
    if (static_cast<unsigned char>(c) > ' ') compact += upperAscii(c);
  if (compact.empty()) throw ETdbError(tdbmsg::kUnexpectedEnd);
  return ExpressionParser(std::move(compact)).parse();
}
