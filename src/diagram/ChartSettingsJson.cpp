#include "diagram/ChartSettings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>
#include <utility>

namespace {

constexpr int kVersion = 1;
constexpr qsizetype kMaxSeries = 100000;
constexpr qsizetype kMaxTextLength = 10000;

// Every reason a settings text is refused; the field's path is put before it.
namespace msg {
constexpr const char* kNotJson = "not JSON: ";
constexpr const char* kNotObject = "not an object";
constexpr const char* kMissing = "missing";
constexpr const char* kNotText = "not a text";
constexpr const char* kTooLong = "text too long";
constexpr const char* kNotBool = "not true or false";
constexpr const char* kNotNumber = "not a finite number";
constexpr const char* kNegative = "below zero";
constexpr const char* kNotArray = "not a list";
constexpr const char* kTooMany = "too many entries";
constexpr const char* kBadColour = "not a colour #AARRGGBB";
constexpr const char* kBadFont = "not a font";
constexpr const char* kBadLine = "not one of none, solid, dash, dot, dashdot";
constexpr const char* kBadRange = "min not below max";
constexpr const char* kBadVersion = "unknown version";
}  // namespace msg

const std::pair<SeriesLine, const char*> kLineNames[] = {{SeriesLine::None, "none"},
                                                         {SeriesLine::Solid, "solid"},
                                                         {SeriesLine::Dash, "dash"},
                                                         {SeriesLine::Dot, "dot"},
                                                         {SeriesLine::DashDot, "dashdot"}};

QString lineName(SeriesLine line) {
  for (const auto& [value, name] : kLineNames)
    if (value == line) return QLatin1String(name);
  return QStringLiteral("solid");
}

QString colourText(const QColor& colour) { return colour.name(QColor::HexArgb); }

QJsonObject textToJson(const ChartText& t) {
  return QJsonObject{{QStringLiteral("text"), t.text},
                     {QStringLiteral("font"), t.font.toString()},
                     {QStringLiteral("colour"), colourText(t.colour)}};
}

QJsonObject axisToJson(const AxisSettings& a) {
  return QJsonObject{{QStringLiteral("auto"), a.autoRange},
                     {QStringLiteral("min"), a.min},
                     {QStringLiteral("max"), a.max},
                     {QStringLiteral("label"), a.label},
                     {QStringLiteral("grid"), a.gridVisible},
                     {QStringLiteral("tickStep"), a.tickStep}};
}

QJsonObject seriesToJson(const SeriesSettings& s) {
  return QJsonObject{{QStringLiteral("title"), s.title},
                     {QStringLiteral("colour"), colourText(s.colour)},
                     {QStringLiteral("line"), lineName(s.line)},
                     {QStringLiteral("scatter"), s.scatterVisible},
                     {QStringLiteral("visible"), s.visible}};
}

struct Refused {
  QString reason;
};

// Reads one object's fields; a field that is missing or unsound ends the whole read.
class Fields {
 public:
  Fields(const QJsonObject& object, QString path) : m_object(object), m_path(std::move(path)) {}

  [[noreturn]] void refuse(const char* key, const char* why) const {
    throw Refused{pathOf(key) + QStringLiteral(": ") + QLatin1String(why)};
  }
  QString pathOf(const char* key) const {
    return m_path.isEmpty() ? QLatin1String(key) : m_path + QLatin1Char('.') + QLatin1String(key);
  }
  QJsonValue value(const char* key) const {
    const QJsonValue v = m_object.value(QLatin1String(key));
    if (v.isUndefined()) refuse(key, msg::kMissing);
    return v;
  }
  Fields object(const char* key) const {
    const QJsonValue v = value(key);
    if (!v.isObject()) refuse(key, msg::kNotObject);
    return Fields(v.toObject(), pathOf(key));
  }
  QString text(const char* key) const {
    const QJsonValue v = value(key);
    if (!v.isString()) refuse(key, msg::kNotText);
    if (v.toString().size() > kMaxTextLength) refuse(key, msg::kTooLong);
    return v.toString();
  }
  bool boolean(const char* key) const {
    const QJsonValue v = value(key);
    if (!v.isBool()) refuse(key, msg::kNotBool);
    return v.toBool();
  }
  double number(const char* key) const {
    const QJsonValue v = value(key);
    if (!v.isDouble() || !std::isfinite(v.toDouble())) refuse(key, msg::kNotNumber);
    return v.toDouble();
  }
  QColor colour(const char* key) const {
    static const QRegularExpression shape(QStringLiteral("^#[0-9A-Fa-f]{8}$"));
    const QString t = text(key);
    if (!shape.match(t).hasMatch()) refuse(key, msg::kBadColour);
    return QColor::fromString(t);
  }
  QFont font(const char* key) const {
    const QString t = text(key);
    QFont f;
    if (!isFontText(t) || !f.fromString(t)) refuse(key, msg::kBadFont);
    return f;
  }
  SeriesLine line(const char* key) const {
    const QString t = text(key);
    for (const auto& [value, name] : kLineNames)
      if (t == QLatin1String(name)) return value;
    refuse(key, msg::kBadLine);
  }
  QJsonArray array(const char* key) const {
    const QJsonValue v = value(key);
    if (!v.isArray()) refuse(key, msg::kNotArray);
    if (v.toArray().size() > kMaxSeries) refuse(key, msg::kTooMany);
    return v.toArray();
  }
  const QString& path() const { return m_path; }

 private:
  QJsonObject m_object;
  QString m_path;
};

ChartText textFromJson(const Fields& f) {
  return ChartText{f.text("text"), f.font("font"), f.colour("colour")};
}

AxisSettings axisFromJson(const Fields& f) {
  AxisSettings a;
  a.autoRange = f.boolean("auto");
  a.min = f.number("min");
  a.max = f.number("max");
  if (!a.autoRange && !(a.min < a.max)) f.refuse("max", msg::kBadRange);
  a.label = f.text("label");
  a.gridVisible = f.boolean("grid");
  a.tickStep = f.number("tickStep");
  if (a.tickStep < 0) f.refuse("tickStep", msg::kNegative);
  return a;
}

SeriesSettings seriesFromJson(const Fields& f) {
  return SeriesSettings{f.text("title"), f.colour("colour"), f.line("line"), f.boolean("scatter"),
                        f.boolean("visible")};
}

ChartSettings settingsFromJson(const Fields& root) {
  if (root.number("version") != kVersion) root.refuse("version", msg::kBadVersion);
  ChartSettings s;
  s.title = textFromJson(root.object("title"));
  s.foot = textFromJson(root.object("foot"));
  const Fields axes = root.object("axes");
  s.bottom = axisFromJson(axes.object("bottom"));
  s.left = axisFromJson(axes.object("left"));
  const QJsonArray series = root.array("series");
  for (qsizetype i = 0; i < series.size(); ++i) {
    const QString path = QStringLiteral("series[%1]").arg(i);
    if (!series.at(i).isObject()) throw Refused{path + QStringLiteral(": ") + QLatin1String(msg::kNotObject)};
    s.series.push_back(seriesFromJson(Fields(series.at(i).toObject(), path)));
  }
  s.background = root.colour("background");
  s.legendVisible = root.boolean("legend");
  return s;
}

bool isNumber(const QString& text, bool integer) {
  bool ok = false;
  if (integer) {
    text.toInt(&ok);
  } else {
    ok = std::isfinite(text.toDouble(&ok)) && ok;
  }
  return ok;
}

}  // namespace

QByteArray toJson(const ChartSettings& s) {
  QJsonArray series;
  for (const SeriesSettings& one : s.series) series.append(seriesToJson(one));
  const QJsonObject root{
      {QStringLiteral("version"), kVersion},
      {QStringLiteral("title"), textToJson(s.title)},
      {QStringLiteral("foot"), textToJson(s.foot)},
      {QStringLiteral("axes"), QJsonObject{{QStringLiteral("bottom"), axisToJson(s.bottom)},
                                           {QStringLiteral("left"), axisToJson(s.left)}}},
      {QStringLiteral("series"), series},
      {QStringLiteral("background"), colourText(s.background)},
      {QStringLiteral("legend"), s.legendVisible}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<ChartSettings> fromJson(const QByteArray& json, QString* error) {
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
  try {
    if (parseError.error != QJsonParseError::NoError)
      throw Refused{QLatin1String(msg::kNotJson) + parseError.errorString()};
    if (!document.isObject()) throw Refused{QLatin1String(msg::kNotObject)};
    return settingsFromJson(Fields(document.object(), QString()));
  } catch (const Refused& refused) {
    if (error) *error = refused.reason;
    return std::nullopt;
  }
}

// QFont::toString() writes the family and then 9 numbers (Qt 5) or 15 numbers (Qt 6), the
// size in points or in pixels, optionally followed by a style name.
bool isFontText(const QString& text) {
  const QStringList parts = text.split(QLatin1Char(','));
  const qsizetype n = parts.size();
  if (n != 10 && n != 11 && n != 16 && n != 17) return false;
  if (parts[0].trimmed().isEmpty()) return false;
  const qsizetype numbers = (n == 11 || n == 17) ? n - 1 : n;
  for (qsizetype i = 1; i < numbers; ++i) {
    const bool integer = !(i == 1 || (numbers == 16 && (i == 12 || i == 13)));
    if (!isNumber(parts[i], integer)) return false;
  }
  const double pointSize = parts[1].toDouble();
  const int pixelSize = parts[2].toInt();
  return (pointSize > 0 && pointSize <= 1000) || (pixelSize > 0 && pixelSize <= 1000);
}
