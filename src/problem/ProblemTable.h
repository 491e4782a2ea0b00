#pragma once

#include "storage/TableImage.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The problems of one database in memory: the records in their physical (file) order, the
// presented order the list shows, one current record and the browse/edit/insert states.
// Fields are reached by name, letter case ignored.
class ProblemTable {
 public:
  enum class State { Inactive, Browse, Edit, Insert };

  // Handlers the owner attaches; the table calls them where the comments say.
  struct Events {
    std::function<void()> afterOpen;
    std::function<void()> afterScroll;  // every first/next, insert, delete, cancelled insert
    std::function<void()> afterInsert;
    std::function<bool()> beforePost;  // false cancels the post
    std::function<void()> afterPost;
    std::function<void()> afterDelete;
    std::function<void()> afterCancel;
    // A field of the current record was written (by name as the table knows it).
    std::function<void(const std::string& field)> afterFieldChange;
  };

  ProblemTable();

  Events& events() { return m_events; }

  // Closes the table if it is open and the name differs, then remembers the name.
  void setTableName(const std::string& fileName);
  const std::string& tableName() const { return m_tableName; }

  // Loads the file named last. Fires afterOpen only; the first record is current.
  void open();
  void close();
  // Opens an empty problem database held only in memory (a later save creates its file).
  void openEmpty();
  // Writes every record not deleted; nothing when the table was never opened.
  void save(const std::string& fileName) const;

  State state() const { return m_state; }
  bool active() const { return m_state != State::Inactive; }
  bool editing() const { return m_state == State::Edit || m_state == State::Insert; }

  void first();
  void next();
  bool eof() const { return m_eof; }
  // 1-based position in the presented order (0 when empty); count of presented records.
  int recNo() const;
  int recordCount() const;
  // Moves to the record at a 0-based presented position (fires afterScroll).
  void moveTo(int position);
  int position() const { return m_current; }

  void edit();
  void insert();
  // Returns false when beforePost cancelled it; the record stays in its state.
  bool post();
  void cancel();
  void deleteRecord();

  // Field access by name (letter case ignored). Reads in browse state see the current record.
  bool hasField(std::string_view name) const;
  const FieldDef* findField(std::string_view name) const;
  bool isNull(std::string_view name) const;
  std::string asString(std::string_view name) const;
  double asFloat(std::string_view name) const;
  std::int32_t asInteger(std::string_view name) const;
  bool asBoolean(std::string_view name) const;
  void setString(std::string_view name, std::string_view value);
  void setFloat(std::string_view name, double value);
  void setInteger(std::string_view name, std::int32_t value);
  void setBoolean(std::string_view name, bool value);

  // The presented name of the record at a 0-based presented position (for the list).
  std::string nameAt(int position) const;
  const std::vector<FieldDef>& fields() const { return m_image.fields; }
  // The record at a presented position, as stored (for dumps and lists).
  const TableRecord& recordAt(int position) const;
  // The records that a save writes, in physical order.
  TableImage imageForSave() const;

 private:
  struct Row {
    TableRecord record;
    bool deleted = false;
  };

  int fieldIndex(std::string_view name) const;
  const FieldDef& field(int index) const { return m_image.fields[static_cast<std::size_t>(index)]; }
  const TableRecord* currentRecord() const;
  const std::string& valueOf(std::string_view name, int& index) const;
  std::string& writableValue(std::string_view name, int& index);
  void requireActive() const;
  void requireEditing() const;
  void bindProblemFields() const;
  void buildPresentedOrder();
  void fire(const std::function<void()>& handler) { if (handler) handler(); }
  void fieldChanged(int index);
  TableRecord blankRecord() const;

  Events m_events;
  std::string m_tableName;
  bool m_everOpened = false;
  State m_state = State::Inactive;
  TableImage m_image;          // field descriptions and notes; records live in m_rows
  std::vector<Row> m_rows;     // physical order
  std::vector<std::size_t> m_order;  // presented order: indices into m_rows
  int m_current = -1;          // presented position of the current record
  bool m_eof = true;
  TableRecord m_buffer;        // the record being edited or inserted
};

// The presented order's comparison of two names (negative when a comes first).
int compareProblemNames(std::string_view a, std::string_view b);

// Cuts a text to at most maxBytes bytes without splitting a UTF-8 character.
std::string cutText(std::string_view text, std::size_t maxBytes);
