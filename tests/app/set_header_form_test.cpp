#include "app/app_test_support.h"

namespace trabeo::testing {
namespace {

constexpr const char* kForm = "TSetHeaderFrm";
constexpr const char* kEdits[] = {"Edit_Company",   "Edit_User",    "Edit_Project_1",
                                  "Edit_Project_2", "Edit_JobDesc", "Edit_Ref"};

class SetHeaderFormTest : public AppFixture {
 protected:
  void Open() { Trigger("SetHeader1"); }
  QString Box(const char* name) const { return Control<QLineEdit>(kForm, name)->text(); }
  // Types a distinct text into every box.
  void TypeAll(const QString& prefix) const {
    for (const char* name : kEdits)
      Type(kForm, name, prefix + name);
  }
  void ExpectBoxes(const QString& prefix) const {
    for (const char* name : kEdits)
      EXPECT_EQ(Box(name), prefix.isNull() ? QString() : prefix + name) << name;
  }
};

TEST_F(SetHeaderFormTest, OpensModallyWithLabelledEmptyBoxes) {
  Open();
  QWidget* form = Form(kForm);
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->windowTitle(), "Set Header");
  EXPECT_EQ(form->windowModality(), Qt::ApplicationModal);
  ExpectBoxes(QString());
  const struct {
    const char* name;
    const char* text;
  } labels[] = {{"Label_Company", "Company"},
                {"Label_User", "User"},
                {"Label_Project", "Project"},
                {"Label_JobDesc", "Job Description"},
                {"Label_Ref", "Job Ref"}};
  for (const auto& label : labels)
    EXPECT_EQ(Control<QLabel>(kForm, label.name)->text(), label.text) << label.name;
  EXPECT_EQ(Control<QAbstractButton>(kForm, "Button1")->text(), "OK");
  EXPECT_EQ(Control<QAbstractButton>(kForm, "Button2")->text(), "Cancel");
}

TEST_F(SetHeaderFormTest, OkStoresTheTextsAndEveryShowingRefillsThem) {
  Open();
  TypeAll("Acme ");
  Click(kForm, "Button1");
  EXPECT_FALSE(Form(kForm)->isVisible());
  Open();
  ExpectBoxes("Acme ");
}

TEST_F(SetHeaderFormTest, TextsAreCutToWhatTheHeaderKeeps) {
  const QString overlong(150, QChar('x'));
  // 100 characters, the last one byte in the file though two in UTF-8, and one more after it.
  const QString accented = QString(99, QChar('y')) + QChar(0x00E9) + QChar('y');
  Open();
  Type(kForm, "Edit_Company", overlong);
  Type(kForm, "Edit_JobDesc", accented);
  Type(kForm, "Edit_Ref", QString(100, QChar('z')));
  Click(kForm, "Button1");
  Open();
  EXPECT_EQ(Box("Edit_Company"), QString(100, QChar('x')));
  EXPECT_EQ(Box("Edit_JobDesc"), QString(99, QChar('y')) + QChar(0x00E9));
  EXPECT_EQ(Box("Edit_Ref"), QString(100, QChar('z')));
}

TEST_F(SetHeaderFormTest, CancelAndClosingDiscardTheEdits) {
  Open();
  TypeAll("Kept ");
  Click(kForm, "Button1");
  for (const bool byClose : {false, true}) {
    SCOPED_TRACE(byClose ? "window closed" : "Cancel");
    Open();
    TypeAll("Dropped ");
    if (byClose)
      Form(kForm)->close();
    else
      Click(kForm, "Button2");
    QApplication::processEvents();
    EXPECT_FALSE(Form(kForm)->isVisible());
    Open();
    ExpectBoxes("Kept ");
    Click(kForm, "Button2");
  }
}

}  // namespace
}  // namespace trabeo::testing
