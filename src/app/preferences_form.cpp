#include "app/preferences_form.h"

#include "app/form_keys.h"
#include "app/qt_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/beam_model.h"
#include "settings/units_file.h"

namespace {

using trabeo::CodeSwitch;
using trabeo::ModulusConvention;
using trabeo::PreferencesTab;
using trabeo::UnitQuantity;

constexpr int kGroupsPerRow = 3;
// The first notes of the n tab head it; the others explain the second option below it.
constexpr std::size_t kNFactorHeadingNotes = 2;

const char* TabKey(PreferencesTab tab) {
  switch (tab) {
    case PreferencesTab::InputUnits:
      return "InputUnits";
    case PreferencesTab::OutputUnits:
      return "OutputUnits";
    case PreferencesTab::SectionUnits:
      return "SectionUnits";
    case PreferencesTab::MomentDiagram:
      return "MomentDiagram";
    case PreferencesTab::DefaultN:
      return "DefaultN";
    case PreferencesTab::Codes:
      return "Codes";
  }
  return "";
}

const char* QuantityKey(UnitQuantity quantity) {
  switch (quantity) {
    case UnitQuantity::Length:
      return "Length";
    case UnitQuantity::SectLength:
      return "SectLength";
    case UnitQuantity::PointLoad:
      return "PointLoad";
    case UnitQuantity::Udl:
      return "Udl";
    case UnitQuantity::Shear:
      return "Shear";
    case UnitQuantity::Moment:
      return "Moment";
    case UnitQuantity::Deflection:
      return "Deflection";
    case UnitQuantity::Stress:
      return "Stress";
    case UnitQuantity::E:
      return "E";
    case UnitQuantity::Inertia:
      return "Inertia";
    case UnitQuantity::Modulus:
      return "Modulus";
    case UnitQuantity::Area:
      return "Area";
    case UnitQuantity::Weight:
      return "Weight";
    case UnitQuantity::Warping:
      return "Warping";
  }
  return "";
}

// A unit name as part of an objectName: "kN/m" -> "kN_per_m", "kN-m" -> "kN_m", "mm^2" -> "mm2".
std::string UnitKey(std::string_view unitName) {
  std::string key;
  for (char c : unitName) {
    if (c == '/')
      key += "_per_";
    else if (c == '-')
      key += '_';
    else if (c != '^' && c != ' ')
      key += c;
  }
  return key;
}

const char* MomentPlotKey(int32_t sign) {
  return sign == trabeo::kMomentPlotInverted ? "Inverted" : "NumericallyCorrect";
}

const char* NFactorKey(int32_t mode) {
  switch (mode) {
    case trabeo::kNFactorByLoading:
      return "ByLoading";
    case trabeo::kNFactorRequested:
      return "Requested";
    default:
      return "One";
  }
}

const char* ModulusKey(ModulusConvention convention) {
  return convention == ModulusConvention::ZxxPlastic ? "Option_ZxxPlastic" : "Option_SxxPlastic";
}

const char* CodeKey(CodeSwitch code) {
  switch (code) {
    case CodeSwitch::Timber5268:
      return "Check_BS5268";
    case CodeSwitch::Steel5950:
      return "Check_BS5950";
    case CodeSwitch::Steel449:
      return "Check_BS449";
    case CodeSwitch::SteelAISC:
      return "Check_AISC";
    case CodeSwitch::SteelLRFD:
      return "Check_LRFD";
    case CodeSwitch::SteelEN1993:
      return "Check_EN1993";
  }
  return "";
}

std::size_t Index(CodeSwitch code) {
  return static_cast<std::size_t>(code);
}

QLabel* AddNote(QWidget* parent, QVBoxLayout* layout, std::string_view text, const QString& name) {
  auto* note = new QLabel(ToQString(text), parent);
  note->setObjectName(name);
  layout->addWidget(note);
  return note;
}

// A titled box of option buttons that form one exclusive group.
struct OptionBox {
  QGroupBox* box;
  QVBoxLayout* layout;
  QButtonGroup* group;
};

OptionBox MakeOptionBox(QWidget* owner, std::string_view caption, const QString& name) {
  auto* box = new QGroupBox(ToQString(caption));
  box->setObjectName(name);
  auto* layout = new QVBoxLayout(box);
  auto* group = new QButtonGroup(owner);
  group->setObjectName(name + "_Buttons");
  return {box, layout, group};
}

void AddOption(const OptionBox& options, std::string_view caption, const QString& name, int id) {
  auto* button = new QRadioButton(ToQString(caption), options.box);
  button->setObjectName(name);
  options.layout->addWidget(button);
  options.group->addButton(button, id);
}

// Checks option `id`, or none at all when the stored value matches no option, so that OK keeps
// that value. An exclusive group refuses to uncheck its last checked button, hence the detour.
void ShowOption(QButtonGroup* group, std::optional<int> id) {
  if (id) {
    if (QAbstractButton* button = group->button(*id)) button->setChecked(true);
    return;
  }
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons())
    button->setChecked(false);
  group->setExclusive(true);
}

std::optional<int> CheckedOption(const QButtonGroup* group) {
  const int id = group->checkedId();
  if (id < 0) return std::nullopt;
  return id;
}

std::optional<int32_t> CheckedValue(const QButtonGroup* group,
                                    std::span<const trabeo::ValueOption> options) {
  const std::optional<int> index = CheckedOption(group);
  if (!index || static_cast<std::size_t>(*index) >= options.size()) return std::nullopt;
  return options[static_cast<std::size_t>(*index)].value;
}

}  // namespace

TPreferencesFrm::TPreferencesFrm(AppContext& context)
    : QWidget(nullptr, Qt::Window), context_(context) {
  setObjectName("PreferencesFrm");
  setWindowTitle("Preferences");
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  // Every tab in view at once: the form opens on the last one, "Codes", and a bar that scrolled
  // to it would hide the first.
  pages_->tabBar()->setUsesScrollButtons(false);
  pages_->setElideMode(Qt::ElideNone);
  layout->addWidget(pages_);
  for (PreferencesTab tab : trabeo::kPreferencesTabs) {
    QWidget* page = nullptr;
    switch (tab) {
      case PreferencesTab::InputUnits:
      case PreferencesTab::OutputUnits:
      case PreferencesTab::SectionUnits:
        page = BuildUnitTab(tab);
        break;
      case PreferencesTab::MomentDiagram:
        page = BuildMomentTab();
        break;
      case PreferencesTab::DefaultN:
        page = BuildNFactorTab();
        break;
      case PreferencesTab::Codes:
        page = BuildCodesTab();
        break;
    }
    page->setObjectName(QString("Tab_") + TabKey(tab));
    pages_->addTab(page, ToQString(trabeo::TabCaption(tab)));
  }
  BuildButtons(layout);
}

QWidget* TPreferencesFrm::BuildUnitTab(PreferencesTab tab) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  int count = 0;
  const auto place = [&](QWidget* box) {
    grid->addWidget(box, count / kGroupsPerRow, count % kGroupsPerRow, Qt::AlignTop);
    ++count;
  };
  for (const trabeo::UnitGroup& unitGroup : trabeo::UnitGroups()) {
    if (unitGroup.tab != tab) continue;
    const QString key = QuantityKey(unitGroup.quantity);
    const OptionBox options = MakeOptionBox(this, unitGroup.caption, "Group_" + key);
    const auto units = trabeo::UnitOptionsOf(unitGroup.quantity);
    for (std::size_t i = 0; i < units.size(); ++i) {
      const QString unit = key + "_" + QString::fromStdString(UnitKey(units[i].unitName));
      AddOption(options, units[i].caption, "Option_" + unit, static_cast<int>(i));
      if (!units[i].note.empty())
        AddNote(options.box, options.layout, units[i].note, "Label_" + unit + "_Note");
    }
    unitGroups_[static_cast<std::size_t>(unitGroup.quantity)] = options.group;
    place(options.box);
  }
  if (tab == PreferencesTab::SectionUnits) {
    const OptionBox options =
        MakeOptionBox(this, trabeo::kModulusGroupCaption, "Group_ModulusTerms");
    const auto conventions = trabeo::ModulusConventionOptions();
    for (std::size_t i = 0; i < conventions.size(); ++i)
      AddOption(options, conventions[i].caption, ModulusKey(conventions[i].convention),
                static_cast<int>(i));
    modulusGroup_ = options.group;
    place(options.box);
  }
  grid->setRowStretch(grid->rowCount(), 1);
  return page;
}

QWidget* TPreferencesFrm::BuildMomentTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  const OptionBox options =
      MakeOptionBox(this, trabeo::kMomentPlotGroupCaption, "Group_MomentPlot");
  const auto signs = trabeo::MomentPlotOptions();
  for (std::size_t i = 0; i < signs.size(); ++i) {
    AddOption(options, signs[i].caption,
              QString("Option_MomentPlot_") + MomentPlotKey(signs[i].value), static_cast<int>(i));
  }
  momentPlotGroup_ = options.group;
  layout->addWidget(options.box);
  layout->addStretch();
  return page;
}

QWidget* TPreferencesFrm::BuildNFactorTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  const auto notes = trabeo::NFactorNotes();
  const auto noteName = [](std::size_t i) { return QString("Label_NFactor_Note%1").arg(i + 1); };
  for (std::size_t i = 0; i < notes.size() && i < kNFactorHeadingNotes; ++i)
    AddNote(page, layout, notes[i], noteName(i));
  const OptionBox options = MakeOptionBox(this, "", "Group_NFactor");
  const auto modes = trabeo::NFactorOptions();
  for (std::size_t i = 0; i < modes.size(); ++i) {
    AddOption(options, modes[i].caption, QString("Option_NFactor_") + NFactorKey(modes[i].value),
              static_cast<int>(i));
  }
  nFactorGroup_ = options.group;
  layout->addWidget(options.box);
  for (std::size_t i = kNFactorHeadingNotes; i < notes.size(); ++i)
    AddNote(page, layout, notes[i], noteName(i));
  layout->addStretch();
  return page;
}

QWidget* TPreferencesFrm::BuildCodesTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  AddNote(page, layout, trabeo::kCodesHeading, "Label_Codes");
  auto* row = new QHBoxLayout;
  layout->addLayout(row);
  std::map<std::string_view, QVBoxLayout*> boxes;  // by group caption, "Timber" and "Steel"
  for (const trabeo::CodeSwitchOption& option : trabeo::CodeSwitchOptions()) {
    QVBoxLayout*& boxLayout = boxes[option.groupCaption];
    if (boxLayout == nullptr) {
      auto* box = new QGroupBox(ToQString(option.groupCaption), page);
      box->setObjectName("Group_" + ToQString(option.groupCaption));
      boxLayout = new QVBoxLayout(box);
      row->addWidget(box, 0, Qt::AlignTop);
    }
    auto* check = new QCheckBox(ToQString(option.caption));
    check->setObjectName(CodeKey(option.code));
    boxLayout->addWidget(check);
    // BS 449, AISC and LRFD keep their settings but are not offered.
    check->setVisible(option.shown);
    codeBoxes_[Index(option.code)] = check;
    connect(check, &QCheckBox::clicked, this, &TPreferencesFrm::RecheckCodeSwitches);
  }
  factoredLoads_ = new QCheckBox(ToQString(trabeo::kFactoredLoadsCaption), page);
  factoredLoads_->setObjectName("Check_FactoredLoads");
  layout->addWidget(factoredLoads_);
  connect(factoredLoads_, &QCheckBox::clicked, this, &TPreferencesFrm::RecheckCodeSwitches);
  for (std::size_t i = 0; i < trabeo::kFactoredLoadsNotes.size(); ++i) {
    QLabel* note = AddNote(page, layout, trabeo::kFactoredLoadsNotes[i],
                           QString("Label_FactoredLoads_Note%1").arg(i + 1));
    note->setWordWrap(true);
  }
  layout->addStretch();
  return page;
}

void TPreferencesFrm::BuildButtons(QVBoxLayout* layout) {
  setDefault_ = new QCheckBox(ToQString(trabeo::kSaveAsDefaultCaption), this);
  setDefault_->setObjectName("Check_SetDefault");
  setDefault_->setToolTip(ToQString(trabeo::kSaveAsDefaultHint));
  reset_ = new QPushButton(ToQString(trabeo::kResetCaption), this);
  reset_->setObjectName("cmd_Reset");
  auto* cancel = new QPushButton(ToQString(trabeo::kCancelCaption), this);
  cancel->setObjectName("Button1");
  ok_ = new QPushButton(ToQString(trabeo::kOkCaption), this);
  ok_->setObjectName("cmd_OK");
  SetDefaultButton(this, ok_);
  SetCancelButton(this, cancel);
  auto* row = new QHBoxLayout;
  row->addWidget(setDefault_);
  row->addStretch();
  for (QPushButton* button : {reset_, cancel, ok_})
    row->addWidget(button);
  layout->addLayout(row);
  connect(reset_, &QPushButton::clicked, this, &TPreferencesFrm::ResetToSavedDefaults);
  connect(cancel, &QPushButton::clicked, this, &TPreferencesFrm::CancelClicked);
  connect(ok_, &QPushButton::clicked, this, &TPreferencesFrm::ApplyChoices);
}

void TPreferencesFrm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;  // the window system restoring it, not the program
  if (!shownBefore_) {
    shownBefore_ = true;
    pages_->setCurrentWidget(findChild<QWidget*>("Tab_Codes"));
  }
  ShowCurrentSettings();
}

// Only the buttons' clicked signals run handlers, and setting a button's state does not emit
// them, so filling the controls cannot trigger the code-switch validation.
void TPreferencesFrm::ShowCurrentSettings() {
  const trabeo::PreferenceChoices choices = trabeo::ChoicesShowing(context_.session.units());
  for (const trabeo::UnitGroup& unitGroup : trabeo::UnitGroups())
    ShowOption(unitGroups_[static_cast<std::size_t>(unitGroup.quantity)],
               choices.unitOption(unitGroup.quantity));

  std::optional<int> modulus;
  const auto conventions = trabeo::ModulusConventionOptions();
  for (std::size_t i = 0; i < conventions.size(); ++i) {
    if (choices.modulusConvention == conventions[i].convention) modulus = static_cast<int>(i);
  }
  ShowOption(modulusGroup_, modulus);

  const auto valueIndex = [](std::span<const trabeo::ValueOption> options,
                             std::optional<int32_t> value) -> std::optional<int> {
    if (!value) return std::nullopt;
    return trabeo::FindValueOption(options, *value);
  };
  ShowOption(momentPlotGroup_, valueIndex(trabeo::MomentPlotOptions(), choices.momentPlotSign));
  ShowOption(nFactorGroup_, valueIndex(trabeo::NFactorOptions(), choices.nFactorMode));

  for (const trabeo::CodeSwitchOption& option : trabeo::CodeSwitchOptions())
    codeBoxes_[Index(option.code)]->setChecked(choices.code(option.code));
  factoredLoads_->setChecked(choices.factoredLoadsChecked);

  // Settings that come from a file (units file or beam file) may enable BS 5950 or LRFD without
  // factored loads; checking here, and not only when a box is clicked, keeps OK from confirming
  // such a state unnoticed and never leaves OK disabled by an earlier, abandoned edit.
  CheckConfirmation();
}

trabeo::PreferenceChoices TPreferencesFrm::ChoicesFromControls() const {
  trabeo::PreferenceChoices choices;
  for (const trabeo::UnitGroup& unitGroup : trabeo::UnitGroups()) {
    choices.unitOption(unitGroup.quantity) =
        CheckedOption(unitGroups_[static_cast<std::size_t>(unitGroup.quantity)]);
  }
  const auto conventions = trabeo::ModulusConventionOptions();
  if (const std::optional<int> index = CheckedOption(modulusGroup_);
      index && static_cast<std::size_t>(*index) < conventions.size()) {
    choices.modulusConvention = conventions[static_cast<std::size_t>(*index)].convention;
  }
  choices.momentPlotSign = CheckedValue(momentPlotGroup_, trabeo::MomentPlotOptions());
  choices.nFactorMode = CheckedValue(nFactorGroup_, trabeo::NFactorOptions());
  for (const trabeo::CodeSwitchOption& option : trabeo::CodeSwitchOptions())
    choices.code(option.code) = codeBoxes_[Index(option.code)]->isChecked();
  choices.factoredLoadsChecked = factoredLoads_->isChecked();
  return choices;
}

void TPreferencesFrm::CheckConfirmation() {
  const std::vector<std::string_view> problems =
      trabeo::ConfirmationProblems(ChoicesFromControls());
  ok_->setEnabled(problems.empty());
  for (std::string_view problem : problems)
    context_.dialogs.Message(problem);
}

void TPreferencesFrm::RecheckCodeSwitches() {
  CheckConfirmation();
  if (!factoredLoads_->isChecked() && isVisible()) reset_->setFocus();
}

void TPreferencesFrm::ApplyChoices() {
  context_.session.ApplyPreferences(ChoicesFromControls());
  Q_EMIT settingsChanged();
  if (setDefault_->isChecked()) {
    const std::string error = context_.session.SavePreferencesAsDefault();
    // The settings stay applied; the form stays open so the user may retry or cancel.
    if (!error.empty()) {
      context_.dialogs.Message("The settings could not be saved as default.\n" + error);
      return;
    }
    Q_EMIT savedAsDefault();
  }
  hide();
}

void TPreferencesFrm::CancelClicked() {
  hide();
}

// Takes effect at once, even if the form is then cancelled.
void TPreferencesFrm::ResetToSavedDefaults() {
  context_.session.ResetPreferencesFromFile();
  Q_EMIT settingsChanged();
  ShowCurrentSettings();
}
