#include "evaluator/ExpressionCompiler.h"

#include "base/AsciiCase.h"

#include "evaluator/EvaluatorErrors.h"
#include "evaluator/TermRecognisers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace {

constexpr int kMaxLevel = 20;
constexpr int kMaxIndex = 50;

struct Operand {
  enum class Source : std::uint8_t { None, Variable, Constant, Result } source = Source::None;
  double* variable = nullptr;
  int index = -1;  // constant number or record number
};

// An operation record while compiling; record 0 is the root's receiver at level 0.
struct Record {
  int level = 0;
  int index = 1;
  std::uint8_t kind = opkind::kVariable;
  Operand operands[2];
  const NamedFunction1* function1 = nullptr;
  const NamedFunction2* function2 = nullptr;
};

std::string prepare(std::string_view raw) {
  std::string text = upperCase(raw);
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  if (text.find(' ') != std::string::npos) throw EExpressionHasBlanks();
  std::ptrdiff_t depth = 0;
  for (char c : text) depth += c == '(' ? 1 : (c == ')' ? -1 : 0);
  if (depth != 0) throw EMissMatchingBracket();
  return text;
}

bool isUnary(std::uint8_t kind) {
  using namespace opkind;
  return kind == kNegation || kind == kSquare || kind == kCube || kind == kFourthPower || kind == kFunction1;
}

// Power kind by the exponent number: 11-13 for 2-4, 9 for another 32-bit integer, else 10.
std::uint8_t powerKind(double e) {
  if (!(e >= -2147483648.0 && e <= 2147483647.0) || std::trunc(e) != e) return opkind::kRealPower;
  if (e == 2.0) return opkind::kSquare;
  if (e == 3.0) return opkind::kCube;
  if (e == 4.0) return opkind::kFourthPower;
  return opkind::kIntegerPower;
}

class TermWalk {
 public:
  TermWalk(std::string_view text, const CompilerTables& tables) : m_text(text), m_rec(text, tables) {
    m_count.fill(0);
    m_count[0] = 1;
    m_records.emplace_back();
  }

  CompiledProgram compile() {
    visit(m_rec.reduce({0, static_cast<int>(m_text.size())}), 0, 1, 0);
    return link();
  }

 private:
  using K = TermKind;

  K classify(Piece term, Split& split) {
    static constexpr K kOrder[] = {K::V,   K::N,    K::Neg, K::Sum, K::Diff, K::Prod,
                                   K::Div, K::Mod, K::Quot, K::Pow, K::F1,  K::F2};
    for (K kind : kOrder) {
      const bool ok = (kind == K::V || kind == K::N) ? m_rec.accepts(kind, term)
                                                     : m_rec.recognise(kind, term, split);
      if (ok) return kind;
    }
    std::string message = evaluatormsg::kErrorParsing;
    message += '\r';
    if (!split.left && !split.right) {
      message += m_rec.text(term);
    } else {
      message += split.left ? m_rec.text(*split.left) : std::string_view(" ");
      message += '\r';
      message += split.right ? m_rec.text(*split.right) : std::string_view(" ");
    }
    throw ESyntaxError(message);
  }

  std::uint8_t operationKind(K kind, const Split& split) {
    switch (kind) {
      case K::Neg: return opkind::kNegation;
      case K::Sum: return opkind::kSum;
      case K::Diff: return opkind::kDifference;
      case K::Prod: return opkind::kProduct;
      case K::Quot: return opkind::kQuotient;
      case K::Mod: return opkind::kMod;
      case K::Div: return opkind::kDiv;
      case K::F1: return opkind::kFunction1;
      case K::F2: return opkind::kFunction2;
      default:
        if (!split.exponentIsNumber) return opkind::kRealPower;
        return powerKind(*m_rec.number(*split.right));
    }
  }

  // The two limits on an operand term at `level`: nesting depth and entries per level.
  int checkedIndex(int level) const {
    if (level > kMaxLevel) throw ETooManyNestings();
    const int index = m_count[level] + 1;
    if (index > kMaxIndex) throw EExpressionTooComplex();
    return index;
  }

  // `receiver` is the record at this term's own level and index.
  void visit(Piece term, int level, int side, int receiver) {
    Split split;
    const K kind = classify(term, split);
    Operand& target = m_records[receiver].operands[side - 1];
    if (kind == K::V) {
      target = {Operand::Source::Variable, m_rec.variable(term), -1};
      return;
    }
    if (kind == K::N) {
      target = {Operand::Source::Constant, nullptr, static_cast<int>(m_constants.size())};
      m_constants.push_back(*m_rec.number(term));
      return;
    }
    const int childLevel = level + 1;
    const int childIndex = checkedIndex(childLevel);
    Record record;
    record.level = childLevel;
    record.index = childIndex;
    record.kind = operationKind(kind, split);
    if (kind == K::F1) record.function1 = m_rec.function1({term.pos, functionNameLength(term)});
    if (kind == K::F2) record.function2 = m_rec.function2({term.pos, functionNameLength(term)});
    const int self = static_cast<int>(m_records.size());
    target = {Operand::Source::Result, nullptr, self};
    m_records.push_back(record);
    if (isUnary(record.kind)) {
      ++m_count[childLevel];
      visit(*split.left, childLevel, 1, self);
      return;
    }
    visit(*split.left, childLevel, 1, self);
    if (checkedIndex(childLevel) != childIndex) throw EParserInternalError();
    ++m_count[childLevel];
    visit(*split.right, childLevel, 2, self);
  }

  int functionNameLength(Piece term) const {
    return static_cast<int>(m_rec.text(term).find('('));
  }

  CompiledProgram link();

  std::string_view m_text;
  TermRecognisers m_rec;
  std::array<int, kMaxLevel + 2> m_count{};
  std::vector<Record> m_records;
  std::vector<double> m_constants;
};

CompiledProgram TermWalk::link() {
  int deepest = 0;
  for (const Record& r : m_records) deepest = std::max(deepest, r.level);
  std::vector<int> order;
  if (deepest == 0) {
    order.push_back(0);
  } else {
    for (int level = deepest; level >= 1; --level) {
      std::array<int, kMaxIndex + 1> atIndex;
      atIndex.fill(-1);
      for (int id = 1; id < static_cast<int>(m_records.size()); ++id)
        if (m_records[id].level == level) atIndex[m_records[id].index] = id;
      for (int id : atIndex)
        if (id >= 0) order.push_back(id);
    }
  }
  std::vector<int> position(m_records.size(), -1);
  for (std::size_t p = 0; p < order.size(); ++p) position[order[p]] = static_cast<int>(p);

  const std::size_t resultBegin = m_constants.size();
  std::vector<double> slots = m_constants;
  slots.resize(resultBegin + (deepest == 0 ? 0 : order.size()), 0.0);
  auto resolve = [&](const Operand& o) -> double* {
    switch (o.source) {
      case Operand::Source::Variable: return o.variable;
      case Operand::Source::Constant: return &slots[static_cast<std::size_t>(o.index)];
      case Operand::Source::Result: return &slots[resultBegin + static_cast<std::size_t>(position[o.index])];
      default: return nullptr;
    }
  };
  std::vector<ProgramStep> steps;
  for (int id : order) {
    const Record& r = m_records[id];
    ProgramStep step;
    step.a = resolve(r.operands[0]);
    step.b = resolve(r.operands[1]);
    step.kind = r.kind;
    if (r.function1) {
      step.function1 = r.function1->routine;
      step.traits = r.function1->traits;
    }
    if (r.function2) {
      step.function2 = r.function2->routine;
      step.traits = r.function2->traits;
    }
    step.result = deepest == 0 ? const_cast<double*>(step.a) : &slots[resultBegin + steps.size()];
    steps.push_back(step);
  }
  // A lone variable or constant is a single record of that kind, whose step does nothing.
  if (deepest == 0 && m_records[0].operands[0].source == Operand::Source::Constant) steps.front().kind = opkind::kConstant;
  return CompiledProgram(std::move(slots), std::move(steps), resultBegin);
}

}  // namespace

CompiledProgram compileExpression(std::string_view text, const CompilerTables& tables) {
  const std::string prepared = prepare(text);
  TermWalk walk(prepared, tables);
  return walk.compile();
}
