#pragma once

#include <QAction>
#include <QApplication>
#include <QListWidget>

#include "app/app_test_support.h"
#include "app/member_capacity_form.h"

namespace trabeo::testing {

// The member capacity window opened from the main window, with its menus and section list.
class MemberWindowFixture : public AppFixture {
 protected:
  static constexpr const char* kForm = "TMemCapFrm";

  void SetUp() override {
    AppFixture::SetUp();
    Trigger("MemberCapacity1");
    form = static_cast<TMemCapFrm*>(Form(kForm));
  }
  // A command of the window's own menus by its objectName.
  void Menu(const char* name) const {
    auto* action = form->findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
    QApplication::processEvents();
  }
  // Shows a family's table ("UniversalColumns1", ...) and picks a section by its designation.
  void Pick(const char* family, const QString& designation) const {
    Menu(family);
    auto* list = Control<QListWidget>(kForm, "List_Section");
    for (int row = 0; row < list->count(); ++row) {
      if (list->item(row)->text().trimmed() == designation) {
        list->setCurrentRow(row);
        QApplication::processEvents();
        return;
      }
    }
    ADD_FAILURE() << "no " << designation.toStdString();
  }

  TMemCapFrm* form = nullptr;
};

}  // namespace trabeo::testing
