#include "problem/ProblemTable.h"

#include "base/AsciiCase.h"
#include "base/Errors.h"
#include "base/MessageText.h"
#include "problem/ProblemFields.h"
#include "problem/ProblemMessages.h"
#include "storage/FieldCodec.h"
#include "storage/TableImage.h"

#include <algorithm>

namespace msg = problem_messages;

namespace {

bool isText(FieldType type) {
  switch (type) {
    case FieldType::SmallStr:
    case FieldType::String:
    case FieldType::Memo:
    case FieldType::FmtMemo:
    case FieldType::Blob:
    case FieldType::Graphic:
      return true;
    default:
      return false;
  }
}

// A field the record declares as a 20-character string may come as any string type.
bool suits(FieldType expected, FieldType actual) {
  if (expected == FieldType::SmallStr)
    return actual == FieldType::SmallStr || actual == FieldType::String;
  return expected == actual;
}

}  // namespace

int compareProblemNames(std::string_view a, std::string_view b) {
  if (a.empty() || b.empty()) return static_cast<int>(a.size()) - static_cast<int>(b.size());
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::string cutText(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return std::string(text);
  std::size_t end = maxBytes;
  // Back off over UTF-8 continuation bytes so that no character is split.
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return std::string(text.substr(0, end));
}

ProblemTable::ProblemTable() { m_image = newProblemTableImage(); }

void ProblemTable::setTableName(const std::string& fileName) {
  if (active() && fileName != m_tableName) close();
  m_tableName = fileName;
}

void ProblemTable::open() {
  TableImage image = readTable(m_tableName);
  TableImage previous = std::move(m_image);
  m_image = std::move(image);
  try {
    bindProblemFields();
  } catch (...) {
    m_image = std::move(previous);
    throw;
  }
  m_rows.clear();
  m_rows.reserve(m_image.records.size());
  for (auto& record : m_image.records) {
    record.values.resize(m_image.fields.size());
    m_rows.push_back(Row{std::move(record), false});
  }
  m_image.records.clear();
  m_everOpened = true;
  m_state = State::Browse;
  buildPresentedOrder();
  m_current = m_order.empty() ? -1 : 0;
  m_eof = m_order.empty();
  fire(m_events.afterOpen);
}

void ProblemTable::close() {
  m_state = State::Inactive;
  m_buffer = TableRecord{};
}

void ProblemTable::openEmpty() {
  close();
  m_image = newProblemTableImage();
  m_rows.clear();
  m_order.clear();
  m_current = -1;
  m_eof = true;
  m_everOpened = true;
  m_state = State::Browse;
  fire(m_events.afterOpen);
}

void ProblemTable::save(const std::string& fileName) const {
  if (!m_everOpened) return;
  writeTable(imageForSave(), fileName);
}

TableImage ProblemTable::imageForSave() const {
  TableImage image;
  image.fieldBlock = m_image.fieldBlock;
  image.fields = m_image.fields;
  image.notes = m_image.notes;
  for (const auto& row : m_rows)
    if (!row.deleted) image.records.push_back(row.record);
  return image;
}

void ProblemTable::bindProblemFields() const {
  for (const auto& info : kProblemFields) {
    const int index = fieldIndex(info.name);
    if (index < 0) throw EDatabaseError(formatMessage(msg::kFieldNotFound, {info.name}));
    const FieldType actual = field(index).type;
    if (!suits(info.type, actual))
      throw EDatabaseError(formatMessage(
          msg::kTypeMismatch, {info.name, fieldTypeName(info.type), fieldTypeName(actual)}));
  }
}

void ProblemTable::buildPresentedOrder() {
  m_order.clear();
  for (std::size_t i = 0; i < m_rows.size(); ++i)
    if (!m_rows[i].deleted) m_order.push_back(i);
  const int nameIndex = fieldIndex(fieldName(ProblemField::ProblemName));
  std::stable_sort(m_order.begin(), m_order.end(), [&](std::size_t a, std::size_t b) {
    const auto& na = m_rows[a].record.values[static_cast<std::size_t>(nameIndex)];
    const auto& nb = m_rows[b].record.values[static_cast<std::size_t>(nameIndex)];
    return compareProblemNames(na, nb) < 0;
  });
}

void ProblemTable::requireActive() const {
  if (!active()) throw EDatabaseError(msg::kClosedDataset);
}

void ProblemTable::requireEditing() const {
  if (!editing()) throw EDatabaseError(msg::kNotEditing);
}

int ProblemTable::recNo() const { return active() && m_current >= 0 ? m_current + 1 : 0; }

int ProblemTable::recordCount() const { return static_cast<int>(m_order.size()); }

void ProblemTable::first() {
  requireActive();
  if (editing() && !post()) return;
  m_current = m_order.empty() ? -1 : 0;
  m_eof = m_order.empty();
  fire(m_events.afterScroll);
}

void ProblemTable::next() {
  requireActive();
  if (editing() && !post()) return;
  if (m_current + 1 < recordCount()) {
    ++m_current;
    m_eof = false;
  } else {
    m_eof = true;
  }
  fire(m_events.afterScroll);
}

void ProblemTable::moveTo(int position) {
  requireActive();
  if (editing() && !post()) return;
  if (position < 0 || position >= recordCount()) throw ERangeError();
  m_current = position;
  m_eof = false;
  fire(m_events.afterScroll);
}

const TableRecord* ProblemTable::currentRecord() const {
  if (editing()) return &m_buffer;
  if (m_current < 0 || m_current >= recordCount()) return nullptr;
  return &m_rows[m_order[static_cast<std::size_t>(m_current)]].record;
}

const TableRecord& ProblemTable::recordAt(int position) const {
  if (position < 0 || position >= recordCount()) throw ERangeError();
  return m_rows[m_order[static_cast<std::size_t>(position)]].record;
}

std::string ProblemTable::nameAt(int position) const {
  const int index = fieldIndex(fieldName(ProblemField::ProblemName));
  if (m_state == State::Insert && position == m_current) return m_buffer.values[index];
  return recordAt(position).values[static_cast<std::size_t>(index)];
}

TableRecord ProblemTable::blankRecord() const {
  TableRecord record;
  record.values.resize(m_image.fields.size());
  return record;
}

void ProblemTable::edit() {
  requireActive();
  if (editing()) return;
  // Typing into an empty table starts a new record, as the data-aware controls expect.
  if (m_order.empty()) {
    insert();
    return;
  }
  m_buffer = *currentRecord();
  m_state = State::Edit;
}

void ProblemTable::insert() {
  requireActive();
  if (editing() && !post()) return;
  m_buffer = blankRecord();
  m_state = State::Insert;
  if (m_current < 0) m_current = 0;
  m_eof = false;
  fire(m_events.afterInsert);
  fire(m_events.afterScroll);
}

bool ProblemTable::post() {
  requireActive();
  requireEditing();
  if (m_events.beforePost && !m_events.beforePost()) return false;
  if (m_state == State::Insert) {
    m_rows.push_back(Row{std::move(m_buffer), false});
    m_order.push_back(m_rows.size() - 1);
    m_current = recordCount() - 1;
  } else {
    m_rows[m_order[static_cast<std::size_t>(m_current)]].record = std::move(m_buffer);
  }
  m_buffer = TableRecord{};
  m_state = State::Browse;
  m_eof = false;
  fire(m_events.afterPost);
  return true;
}

void ProblemTable::cancel() {
  if (!editing()) return;
  const bool wasInsert = m_state == State::Insert;
  m_buffer = TableRecord{};
  m_state = State::Browse;
  if (wasInsert) {
    if (m_current >= recordCount()) m_current = recordCount() - 1;
    m_eof = m_order.empty();
    fire(m_events.afterCancel);
    fire(m_events.afterScroll);
  } else {
    fire(m_events.afterCancel);
  }
}

void ProblemTable::deleteRecord() {
  requireActive();
  if (m_state == State::Insert) {
    cancel();
    return;
  }
  if (m_order.empty()) throw EDatabaseError(msg::kEmptyDataset);
  if (m_state == State::Edit) {
    m_buffer = TableRecord{};
    m_state = State::Browse;
  }
  const auto position = static_cast<std::size_t>(m_current);
  m_rows[m_order[position]].deleted = true;
  m_order.erase(m_order.begin() + static_cast<std::ptrdiff_t>(position));
  if (m_current >= recordCount()) m_current = recordCount() - 1;
  m_eof = m_order.empty();
  fire(m_events.afterDelete);
  fire(m_events.afterScroll);
}

int ProblemTable::fieldIndex(std::string_view name) const {
  for (std::size_t i = 0; i < m_image.fields.size(); ++i)
    if (equalsIgnoringCase(m_image.fields[i].name, name)) return static_cast<int>(i);
  return -1;
}

bool ProblemTable::hasField(std::string_view name) const { return fieldIndex(name) >= 0; }

const FieldDef* ProblemTable::findField(std::string_view name) const {
  const int index = fieldIndex(name);
  return index < 0 ? nullptr : &field(index);
}

const std::string& ProblemTable::valueOf(std::string_view name, int& index) const {
  static const std::string kNoValue;
  index = fieldIndex(name);
  if (index < 0) throw EDatabaseError(formatMessage(msg::kFieldNotFound, {name}));
  const TableRecord* record = currentRecord();
  return record ? record->values[static_cast<std::size_t>(index)] : kNoValue;
}

bool ProblemTable::isNull(std::string_view name) const {
  int index = -1;
  const std::string& value = valueOf(name, index);
  return isText(field(index).type) && value.empty();
}

std::string ProblemTable::asString(std::string_view name) const {
  int index = -1;
  return valueOf(name, index);
}

double ProblemTable::asFloat(std::string_view name) const {
  int index = -1;
  return decodeDouble(valueOf(name, index));
}

std::int32_t ProblemTable::asInteger(std::string_view name) const {
  int index = -1;
  const std::string& value = valueOf(name, index);
  return field(index).type == FieldType::SmallInt ? decodeSmallInt(value) : decodeInteger(value);
}

bool ProblemTable::asBoolean(std::string_view name) const {
  int index = -1;
  return decodeBoolean(valueOf(name, index));
}

std::string& ProblemTable::writableValue(std::string_view name, int& index) {
  requireActive();
  requireEditing();
  index = fieldIndex(name);
  if (index < 0) throw EDatabaseError(formatMessage(msg::kFieldNotFound, {name}));
  return m_buffer.values[static_cast<std::size_t>(index)];
}

void ProblemTable::fieldChanged(int index) {
  if (m_events.afterFieldChange) m_events.afterFieldChange(field(index).name);
}

void ProblemTable::setString(std::string_view name, std::string_view value) {
  int index = -1;
  std::string& slot = writableValue(name, index);
  const FieldDef& def = field(index);
  const bool limited = def.type == FieldType::SmallStr || def.type == FieldType::String;
  slot = limited ? cutText(value, static_cast<std::size_t>(def.maxLength)) : std::string(value);
  fieldChanged(index);
}

void ProblemTable::setFloat(std::string_view name, double value) {
  int index = -1;
  writableValue(name, index) = encodeDouble(value);
  fieldChanged(index);
}

void ProblemTable::setInteger(std::string_view name, std::int32_t value) {
  int index = -1;
  std::string& slot = writableValue(name, index);
  slot = field(index).type == FieldType::SmallInt ? encodeSmallInt(static_cast<std::int16_t>(value))
                                                  : encodeInteger(value);
  fieldChanged(index);
}

void ProblemTable::setBoolean(std::string_view name, bool value) {
  int index = -1;
  writableValue(name, index) = encodeBoolean(value);
  fieldChanged(index);
}
