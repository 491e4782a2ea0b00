#include "app/VantleApplication.h"

#include <QEvent>
#include <QObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class ThrowingObject : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) throw std::runtime_error("Invalid number: 1,2,3");
    return QObject::event(event);
  }
};

}  // namespace

TEST(VantleApplicationTest, ExceptionFromAHandlerIsShownAndTheProgramGoesOn) {
  auto* app = qobject_cast<VantleApplication*>(QCoreApplication::instance());
  ASSERT_NE(app, nullptr);
  QStringList shown;
  app->setErrorBox([&](const QString& text) { shown.append(text); });

  ThrowingObject receiver;
  QEvent first(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &first));
  QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
  QCoreApplication::sendPostedEvents(&receiver, QEvent::User);

  EXPECT_EQ(shown, (QStringList{QStringLiteral("Invalid number: 1,2,3"),
                                QStringLiteral("Invalid number: 1,2,3")}));
  app->setErrorBox(nullptr);
}
