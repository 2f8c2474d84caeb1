#include "app/click_through.h"

#include <QAbstractButton>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace {

class ClickForwarder : public QObject {
 public:
  ClickForwarder(QWidget* source, QAbstractButton* target) : QObject(source), target_(target) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease && target_ != nullptr && target_->isEnabled() &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      target_->click();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QPointer<QAbstractButton> target_;
};

}  // namespace

void ClickThrough(QWidget* source, QAbstractButton* target) {
  source->installEventFilter(new ClickForwarder(source, target));
  source->setCursor(Qt::PointingHandCursor);
}
