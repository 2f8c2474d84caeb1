#include "app/form_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSet>

namespace {

class FormKeys : public QObject {
 public:
  explicit FormKeys(QWidget* form) : QObject(form), form_(form) { form->installEventFilter(this); }

  static FormKeys* Of(QWidget* form) {
    for (QObject* child : form->children()) {
      if (auto* keys = dynamic_cast<FormKeys*>(child)) return keys;
    }
    return new FormKeys(form);
  }

  QPointer<QPushButton> defaultButton;
  QPointer<QAbstractButton> cancelButton;
  bool hideOnEscape = false;

 protected:
  // Key presses reach the form only when the control with the focus left them unused.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != form_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier) return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return PressDefault();
    if (key->key() == Qt::Key_Escape) return Cancel();
    return false;
  }

 private:
  static bool Press(QAbstractButton* button) {
    if (button == nullptr || !button->isVisible() || !button->isEnabled()) return false;
    button->click();
    return true;
  }

  bool PressDefault() {
    auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
    if (focused != nullptr && focused->window() == form_ && Press(focused)) return true;
    return Press(defaultButton);
  }

  bool Cancel() {
    if (Press(cancelButton)) return true;
    if (!hideOnEscape) return false;
    form_->hide();
    return true;
  }

  QWidget* form_;
};

}  // namespace

void SetDefaultButton(QWidget* form, QPushButton* button) {
  button->setDefault(true);
  FormKeys::Of(form)->defaultButton = button;
}

void SetCancelButton(QWidget* form, QAbstractButton* button) {
  FormKeys::Of(form)->cancelButton = button;
}

void HideOnEscape(QWidget* form) {
  FormKeys::Of(form)->hideOnEscape = true;
}

void AddMenuAccelerators(QMenuBar* menuBar) {
  QSet<QChar> taken;
  for (QAction* menu : menuBar->actions()) {
    QString caption = menu->text();
    if (caption.contains('&')) continue;
    for (int i = 0; i < caption.size(); ++i) {
      const QChar letter = caption[i].toLower();
      if (!letter.isLetter() || taken.contains(letter)) continue;
      taken.insert(letter);
      caption.insert(i, '&');
      menu->setText(caption);
      break;
    }
  }
}
