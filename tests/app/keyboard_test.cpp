#include <QPushButton>

#include "app/app_test_support.h"

namespace trabeo::testing {
namespace {

class KeyboardTest : public AppFixture {
 protected:
  static bool TabStop(const QWidget* widget) {
    return widget->isVisible() && widget->isEnabled() &&
           (widget->focusPolicy() & Qt::TabFocus) != 0;
  }

  // The form's controls in the order the Tab key visits them.
  static std::vector<QWidget*> TabStops(QWidget* form) {
    std::vector<QWidget*> stops;
    for (QWidget* widget = form->nextInFocusChain(); widget != form;
         widget = widget->nextInFocusChain()) {
      if (widget->window() == form && TabStop(widget)) stops.push_back(widget);
    }
    return stops;
  }

  // Within one group the Tab key reads the controls as a page is read: along a line, then down
  // to the next; or on to a column further right.
  static void ExpectTabOrderFollowsTheLayout(QWidget* form) {
    const std::vector<QWidget*> stops = TabStops(form);
    for (std::size_t i = 1; i < stops.size(); ++i) {
      const QWidget* from = stops[i - 1];
      const QWidget* to = stops[i];
      if (from->parentWidget() != to->parentWidget()) continue;
      const QPoint a = from->mapTo(form, QPoint(0, 0));
      const QPoint b = to->mapTo(form, QPoint(0, 0));
      const bool sameLine = std::abs(b.y() - a.y()) <= 6;
      const bool readOn = b.y() > a.y() + 6 || (sameLine && b.x() > a.x());
      const bool nextColumn = b.x() >= a.x() + from->width();
      EXPECT_TRUE(readOn || nextColumn)
          << form->metaObject()->className() << ": " << from->objectName().toStdString() << " then "
          << to->objectName().toStdString();
    }
  }
};

TEST_F(KeyboardTest, TabOrderFollowsEachFormsLayout) {
  Trigger("Beam1");
  Click("TBeamFrm", "Check_LH");
  Click("TBeamFrm", "Check_RH");
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->windowType() == Qt::Desktop) continue;
    widget->show();
    QApplication::processEvents();
    ExpectTabOrderFollowsTheLayout(widget);
  }
}

// Esc cancels a modal form from any of its controls; Enter in the header form is its OK.
TEST_F(KeyboardTest, EscapeCancelsTheModalForms) {
  Trigger("SetHeader1");
  QWidget* header = Form("TSetHeaderFrm");
  ASSERT_TRUE(header->isVisible());
  Type("TSetHeaderFrm", "Edit_Company", "Typed, then cancelled");
  PressKey(Control<QLineEdit>("TSetHeaderFrm", "Edit_Company"), Qt::Key_Escape);
  EXPECT_FALSE(header->isVisible());
  EXPECT_EQ(session().header().HeaderCompany, "");

  Trigger("SetHeader1");
  Type("TSetHeaderFrm", "Edit_User", "Kept");
  PressKey(Control<QLineEdit>("TSetHeaderFrm", "Edit_User"), Qt::Key_Enter);
  EXPECT_FALSE(header->isVisible());
  EXPECT_EQ(session().header().HeaderUser, "Kept");

  Trigger("About1");
  QWidget* about = Form("TAboutBox");
  ASSERT_TRUE(about->isVisible());
  PressKey(about->findChild<QPushButton*>("OKButton"), Qt::Key_Escape);
  EXPECT_FALSE(about->isVisible());
}

}  // namespace
}  // namespace trabeo::testing
