#include "app/AppLocale.h"
#include "base/NumberText.h"

#include <QLocale>

#include <gtest/gtest.h>

TEST(AppLocaleTest, CoreSeparatorsFollowTheLocale) {
  struct Case {
    QLocale locale;
    char decimal;
    char thousands;
  };
  const Case cases[] = {
      {QLocale(QLocale::English, QLocale::UnitedStates), '.', ','},
      {QLocale(QLocale::German, QLocale::Germany), ',', '.'},
      {QLocale(QLocale::French, QLocale::France), ',', ' '},  // a narrow no-break space
      {QLocale(QLocale::German, QLocale::Switzerland), '.', '\''},
  };
  const char oldDecimal = decimalSeparator();
  const char oldThousands = thousandsSeparator();
  for (const Case& c : cases) {
    applyLocaleSeparators(c.locale);
    EXPECT_EQ(decimalSeparator(), c.decimal) << c.locale.name().toStdString();
    EXPECT_EQ(thousandsSeparator(), c.thousands) << c.locale.name().toStdString();
  }
  applyLocaleSeparators(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(formatFloat("0.###", 1.5), "1,5");
  setDecimalSeparator(oldDecimal);
  setThousandsSeparator(oldThousands);
}
