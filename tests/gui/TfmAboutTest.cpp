#include "app/TfmAbout.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

TEST(TfmAboutTest, ClosesOnAKeyOrAReleaseOverTheBackground) {
  struct Case {
    const char* gesture;
    std::function<void(TfmAbout&)> act;
  };
  const Case cases[] = {
      {"any key", [](TfmAbout& about) { QTest::keyClick(&about, Qt::Key_A); }},
      {"Escape", [](TfmAbout& about) { QTest::keyClick(&about, Qt::Key_Escape); }},
      {"mouse on the background",
       [](TfmAbout& about) { QTest::mouseClick(&about, Qt::RightButton, {}, QPoint(3, 3)); }},
      {"Close button",
       [](TfmAbout& about) {
         QTest::mouseClick(about.findChild<QWidget*>(QStringLiteral("sbClose")), Qt::LeftButton);
       }},
  };
  for (const Case& c : cases) {
    TfmAbout about;
    about.show();
    ASSERT_TRUE(about.isVisible());
    c.act(about);
    EXPECT_FALSE(about.isVisible()) << c.gesture;
  }
}

TEST(TfmAboutTest, LinkOpensTheWebPageAndKeepsTheWindow) {
  TfmAbout about;
  QList<QUrl> opened;
  about.setOpenUrl([&](const QUrl& url) { opened.append(url); });
  about.show();
  QTest::mouseClick(&about.link(), Qt::LeftButton);
  EXPECT_EQ(opened, QList<QUrl>{QUrl(QStringLiteral("https://vantle.org"))});
  EXPECT_TRUE(about.isVisible());
  EXPECT_TRUE(about.link().font().underline());
  EXPECT_EQ(about.link().cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(about.minimumSize(), about.maximumSize());
}
