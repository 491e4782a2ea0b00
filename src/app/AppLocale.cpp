#include "app/AppLocale.h"

#include "base/NumberText.h"

#include <QLocale>

namespace {

// The core keeps a separator as one byte; a locale's separator outside ASCII (a narrow
// no-break space, a typographic apostrophe) falls back to the nearest plain one.
char asciiSeparator(const QString& text, char fallback) {
  if (text.size() != 1) return fallback;
  const QChar c = text.front();
  if (c.unicode() < 0x80 && c.isPrint()) return static_cast<char>(c.unicode());
  if (c.unicode() == 0x2019 || c.unicode() == 0x02BC) return '\'';
  return c.isSpace() ? ' ' : fallback;
}

}  // namespace

void applyLocaleSeparators(const QLocale& locale) {
  const char decimal = asciiSeparator(locale.decimalPoint(), '.');
  setDecimalSeparator(decimal);
  const char thousands = asciiSeparator(locale.groupSeparator(), decimal == ',' ? '.' : ',');
  setThousandsSeparator(thousands == decimal ? ' ' : thousands);
}
