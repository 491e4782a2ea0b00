#include "app/IniFile.h"

#include <QFile>
#include <QSaveFile>

namespace {

// The name of a "[name]" line, or nothing for any other line.
std::optional<QString> sectionName(const QString& line) {
  const QString trimmed = line.trimmed();
  if (!trimmed.startsWith(u'[')) return std::nullopt;
  const qsizetype close = trimmed.indexOf(u']');
  if (close < 0) return std::nullopt;
  return trimmed.mid(1, close - 1).trimmed();
}

bool isComment(const QString& trimmed) {
  return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

}  // namespace

IniFile::IniFile(const QString& text) {
  QString body = text;
  if (body.startsWith(QChar(0xFEFF))) body.remove(0, 1);
  m_crlf = body.contains(QStringLiteral("\r\n"));
  body.remove(u'\r');
  m_lines = body.split(u'\n');
  // A final line break leaves one empty piece that is not a line of the file.
  if (!m_lines.isEmpty() && m_lines.last().isEmpty()) m_lines.removeLast();
}

IniFile IniFile::load(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return IniFile();
  return IniFile(QString::fromUtf8(file.readAll()));
}

QList<IniFile::Range> IniFile::sections(const QString& name) const {
  QList<Range> found;
  for (qsizetype i = 0; i < m_lines.size(); ++i) {
    const auto header = sectionName(m_lines[i]);
    if (!header) continue;
    if (!found.isEmpty() && found.last().end < 0) found.last().end = i;
    if (header->compare(name, Qt::CaseInsensitive) == 0) found.append(Range{i, -1});
  }
  if (!found.isEmpty() && found.last().end < 0) found.last().end = m_lines.size();
  return found;
}

bool IniFile::hasSection(const QString& section) const { return !sections(section).isEmpty(); }

std::optional<QString> IniFile::value(const QString& section, const QString& key) const {
  for (const Range& range : sections(section)) {
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
      const QString trimmed = m_lines[i].trimmed();
      if (trimmed.isEmpty() || isComment(trimmed)) continue;
      const qsizetype equals = trimmed.indexOf(u'=');
      if (equals < 0) continue;
      if (trimmed.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0)
        return trimmed.mid(equals + 1).trimmed();
    }
  }
  return std::nullopt;
}

void IniFile::replaceSection(const QString& section,
                             const QList<QPair<QString, QString>>& entries) {
  QStringList block{QLatin1Char('[') + section + QLatin1Char(']')};
  for (const auto& [key, value] : entries) block.append(key + QLatin1Char('=') + value);

  const QList<Range> old = sections(section);
  if (old.isEmpty()) {
    if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty()) m_lines.append(QString());
    m_lines.append(block);
    return;
  }
  // Keep the blank line that separated the section from the next one.
  Range first = old.first();
  for (auto it = old.crbegin(); it != old.crend(); ++it) {
    qsizetype end = it->end;
    while (end > it->header + 1 && m_lines[end - 1].trimmed().isEmpty()) --end;
    m_lines.remove(it->header, end - it->header);
  }
  for (qsizetype i = 0; i < block.size(); ++i) m_lines.insert(first.header + i, block[i]);
}

QString IniFile::text() const {
  const QString lineEnd = m_crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
  QString result;
  for (const QString& line : m_lines) result += line + lineEnd;
  return result;
}

bool IniFile::save(const QString& fileName) const {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = text().toUtf8();
  if (file.write(bytes) != bytes.size()) return false;
  return file.commit();
}
