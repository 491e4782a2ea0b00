#include "app/SettingsFile.h"

#include "app/IniFile.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

namespace {

// An integer as the settings file holds it: decimal, or hexadecimal after "$" or "0x".
std::optional<qint64> parseInteger(const QString& text) {
  bool ok = false;
  qint64 value = 0;
  if (text.startsWith(u'$'))
    value = text.mid(1).toLongLong(&ok, 16);
  else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
    value = text.mid(2).toLongLong(&ok, 16);
  else
    value = text.toLongLong(&ok, 10);
  if (!ok) return std::nullopt;
  return value;
}

int readInt(const IniFile& ini, const char* key, int fallback) {
  const auto text = ini.value(QLatin1String(SettingsFile::kSection), QLatin1String(key));
  if (!text) return fallback;
  const auto value = parseInteger(*text);
  if (!value || *value < INT32_MIN || *value > INT32_MAX) return fallback;
  return static_cast<int>(*value);
}

}  // namespace

SettingsFile::SettingsFile(QString programFolder, QString userConfigFolder)
    : m_programFolder(std::move(programFolder)),
      m_userConfigFolder(std::move(userConfigFolder)) {}

bool SettingsFile::programFolderWritable() const {
  const QFileInfo folder(m_programFolder);
  return folder.isDir() && folder.isWritable();
}

// Without a file in the current folder the settings come from where the last close wrote
// them, or a program started elsewhere than its own folder would never see them again.
QString SettingsFile::readPath() const {
  const QString local = QDir::current().filePath(QLatin1String(kFileName));
  if (QFileInfo::exists(local)) return local;
  return writePath();
}

QString SettingsFile::writePath() const {
  if (programFolderWritable() || m_userConfigFolder.isEmpty())
    return QDir(m_programFolder).filePath(QLatin1String(kFileName));
  return QDir(m_userConfigFolder).filePath(QLatin1String(kFileName));
}

Settings SettingsFile::read() const { return parse(readPath()); }

Settings SettingsFile::parse(const QString& fileName) {
  const IniFile ini = IniFile::load(fileName);
  Settings settings;
  const QString section = QLatin1String(kSection);
  if (!ini.hasSection(section)) return settings;
  // Each key is read on its own, so one that is missing or bad falls back alone.
  const int top = readInt(ini, "Top", Settings::kDefaultTop);
  const int height = readInt(ini, "Height", Settings::kDefaultHeight);
  const int width = readInt(ini, "Width", Settings::kDefaultWidth);
  const int left = readInt(ini, "Left", Settings::kDefaultLeft);
  settings.placement = QRect(left, top, width, height);
  settings.workingFileName = ini.value(section, QStringLiteral("WorkingFileName")).value_or(QString());
  settings.mosaicColor = static_cast<std::uint32_t>(readInt(ini, "MDcolor", 0));
  return settings;
}

bool SettingsFile::write(const QRect& placement, const QString& workingFileName,
                         std::uint32_t mosaicColor) const {
  const QString path = writePath();
  QDir().mkpath(QFileInfo(path).absolutePath());
  IniFile ini = IniFile::load(path);
  ini.replaceSection(QLatin1String(kSection),
                     {{QStringLiteral("Top"), QString::number(placement.top())},
                      {QStringLiteral("Height"), QString::number(placement.height())},
                      {QStringLiteral("Left"), QString::number(placement.left())},
                      {QStringLiteral("Width"), QString::number(placement.width())},
                      {QStringLiteral("WorkingFileName"), workingFileName},
                      {QStringLiteral("MDcolor"), QString::number(static_cast<qint32>(mosaicColor))}});
  return ini.save(path);
}
