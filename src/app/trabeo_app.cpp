#include "app/trabeo_app.h"

#include <QApplication>
#include <QIcon>
#include <QMenuBar>
#include <map>
#include <vector>

#include "app/about_box.h"
#include "app/app_context.h"
#include "app/app_settings.h"
#include "app/beam_file_commands.h"
#include "app/beam_form.h"
#include "app/bolt_form.h"
#include "app/calculator_windows.h"
#include "app/cantilever_form.h"
#include "app/duration_form.h"
#include "app/entry_flow.h"
#include "app/form_keys.h"
#include "app/grid_form.h"
#include "app/index_form.h"
#include "app/info_form.h"
#include "app/k3_help_form.h"
#include "app/load_data_form.h"
#include "app/member_capacity_form.h"
#include "app/point_form.h"
#include "app/preferences_form.h"
#include "app/qt_dialogs.h"
#include "app/set_header_form.h"
#include "app/span_form.h"
#include "app/timber_member_form.h"
#include "app/timber_section_form.h"
#include "session/desktop_start.h"

class TrabeoApplicationPrivate {
 public:
  explicit TrabeoApplicationPrivate(std::filesystem::path startFolder)
      : session(std::move(startFolder)) {}

  std::filesystem::path settingsFile;

  trabeo::ProjectSession session;
  QtDialogs qtDialogs;
  QtPrinting qtPrinting;
  QtClipboard qtClipboard;
  std::unique_ptr<AppContext> context;
  std::vector<std::unique_ptr<QWidget>> forms;  // destroyed with the application, in reverse
  EntryFlow* flow = nullptr;                    // owned by the main window
  TGridFrm* sectionEditor = nullptr;            // opened from the beam and member forms

  void ConnectSectionEditor(TBeamFrm* beam);

  // The forms after the main window are its children: they stay in front of it, go and come
  // back with it and have no taskbar entries of their own. The main window is destroyed last, so
  // no child is left for it to delete.
  template <typename Form, typename... Args>
  Form* Create(Args&&... args) {
    auto form = std::make_unique<Form>(std::forward<Args>(args)...);
    Form* raw = form.get();
    if (!forms.empty()) raw->setParent(forms.front().get(), raw->windowFlags() | Qt::Window);
    forms.push_back(std::move(form));
    return raw;
  }
};

namespace {

template <typename Form>
void ShowForm(Form* form, bool modal = false) {
  if (modal) form->setWindowModality(Qt::ApplicationModal);
  form->show();
  form->raise();
}

// The timber section window between the beam form and the beam, with its K3 legend.
void ConnectTimberSection(TBeamFrm* beam, TTimSectFrm* timberSection, TK3Frm* k3Help) {
  QObject::connect(beam, &TBeamFrm::timberSectionRequested, timberSection,
                   &TTimSectFrm::ShowForBeam);
  QObject::connect(timberSection, &TTimSectFrm::handedOver, beam, &TBeamFrm::ShowTimberSection);
  QObject::connect(timberSection, &TTimSectFrm::k3HelpRequested, [k3Help] { ShowForm(k3Help); });
}

// The timber member window with its duration dialog, and the bolt window, from the main menu.
void ConnectTimberAndBoltModules(TIndexFrm* index, TTimberFrm* timber, TDurationFrm* duration,
                                 TStBoltFrm* bolt, TSetHeaderFrm* setHeader) {
  QObject::connect(index, &TIndexFrm::timberMemberCapacityRequested,
                   [timber] { ShowForm(timber); });
  QObject::connect(index, &TIndexFrm::boltCapacityRequested, [bolt] { ShowForm(bolt); });
  QObject::connect(timber, &TTimberFrm::durationRequested, duration, &TDurationFrm::Open);
  QObject::connect(duration, &TDurationFrm::confirmed, timber, &TTimberFrm::ConfirmDuration);
  QObject::connect(timber, &TTimberFrm::setHeaderRequested,
                   [setHeader] { ShowForm(setHeader, true); });
  QObject::connect(timber, &TTimberFrm::exitRequested, index, &QWidget::close);
  QObject::connect(bolt, &TStBoltFrm::exitRequested, index, &QWidget::close);
}

// The member capacity window and the main window's item for it. Its "Modules" items run the
// main window's items for the other modules, so they lead where the main window's do.
void ConnectMemberCapacity(TIndexFrm& index, TMemCapFrm& memberCapacity, TSetHeaderFrm& setHeader) {
  TMemCapFrm* form = &memberCapacity;
  TIndexFrm* main = &index;
  QObject::connect(main, &TIndexFrm::memberCapacityRequested, [form] { ShowForm(form); });
  QObject::connect(form, &TMemCapFrm::setHeaderRequested,
                   [header = &setHeader] { ShowForm(header, true); });
  QObject::connect(form, &TMemCapFrm::beamAnalysisRequested, [main] { ShowForm(main); });
  QObject::connect(form, &TMemCapFrm::boltCapacityRequested,
                   [main] { main->action("BoltCapacity1")->trigger(); });
  QObject::connect(form, &TMemCapFrm::timberMemberCapacityRequested,
                   [main] { main->action("TimberMemberCapacity1")->trigger(); });
  QObject::connect(form, &TMemCapFrm::exitRequested, main, &QWidget::close);
}

// The index form's menu commands that show the preferences, information, about and page header
// forms.
void ConnectIndexCommands(TIndexFrm* index, TPreferencesFrm* preferences, TInfoFrm* info,
                          TAboutBox* about, TSetHeaderFrm* setHeader) {
  QObject::connect(index, &TIndexFrm::preferencesRequested,
                   [preferences] { ShowForm(preferences); });
  QObject::connect(index, &TIndexFrm::infoRequested, [info] { ShowForm(info); });
  QObject::connect(index, &TIndexFrm::aboutRequested, [about] { ShowForm(about, true); });
  QObject::connect(index, &TIndexFrm::setHeaderRequested,
                   [setHeader] { ShowForm(setHeader, true); });
  QObject::connect(preferences, &TPreferencesFrm::settingsChanged, index, &TIndexFrm::Redraw);
}

// Results at a point: File New and Open clear its lines, and a point calculated enables printing.
void ConnectResultsAtPoint(TIndexFrm* index, BeamFileCommands* files, TPointFrm* point) {
  QObject::connect(files, &BeamFileCommands::beamFileOpened, point, &TPointFrm::ShowLines);
  QObject::connect(index, &TIndexFrm::newRequested, point, &TPointFrm::ShowLines);
  QObject::connect(index, &TIndexFrm::resultsAtPointRequested, [point] { ShowForm(point); });
  QObject::connect(point, &TPointFrm::pointCalculated, index,
                   [index] { index->SetFileCommandsEnabled(true, true); });
}

}  // namespace

// The miscellaneous section editor, opened from the beam form, and the six calculators, opened
// from the editor's "Add Section" menu; each calculator's "Save to File" reloads the editor.
void TrabeoApplicationPrivate::ConnectSectionEditor(TBeamFrm* beam) {
  auto* grid = sectionEditor = Create<TGridFrm>(*context);
  std::map<trabeo::CalculatorShape, CalculatorWindow*> calculators = {
      {trabeo::CalculatorShape::Tube, Create<TTubeFrm>(*context)},
      {trabeo::CalculatorShape::Box, Create<TBoxFrm>(*context)},
      {trabeo::CalculatorShape::IBeam, Create<TI_BeamFrm>(*context)},
      {trabeo::CalculatorShape::Joist, Create<TRSJFrm>(*context)},
      {trabeo::CalculatorShape::Channel, Create<TChannelFrm>(*context)},
      {trabeo::CalculatorShape::Angle, Create<TAngleFrm>(*context)},
  };
  for (const auto& [shape, calculator] : calculators)
    QObject::connect(calculator, &CalculatorWindow::sectionSaved, grid, &TGridFrm::Reload);
  QObject::connect(
      grid, &TGridFrm::calculatorRequested, grid,
      [calculators](trabeo::CalculatorShape shape) { ShowForm(calculators.at(shape)); });
  QObject::connect(beam, &TBeamFrm::editMiscellaneousRequested, grid, [grid] { ShowForm(grid); });
}

TrabeoApplication::TrabeoApplication(const AppOptions& options)
    : d_(std::make_unique<TrabeoApplicationPrivate>(
          options.startFolder.empty() ? std::filesystem::current_path() : options.startFolder)) {
  trabeo::Dialogs& dialogs = options.dialogs != nullptr ? *options.dialogs : d_->qtDialogs;
  Printing& printing = options.printing != nullptr ? *options.printing : d_->qtPrinting;
  Clipboard& clipboard = options.clipboard != nullptr ? *options.clipboard : d_->qtClipboard;
  d_->context = std::make_unique<AppContext>(AppContext{d_->session, dialogs, printing, clipboard});
  d_->settingsFile = options.settingsFile;
}

TrabeoApplication::~TrabeoApplication() {
  while (!d_->forms.empty())
    d_->forms.pop_back();
}

void TrabeoApplication::start() {
  QApplication::setApplicationName(kProgramTitle);
  QApplication::setOrganizationName("Trabeo");
  // Every window carries the program's icon: a loaded beam on two supports.
  Q_INIT_RESOURCE(resources);
  QApplication::setWindowIcon(QIcon(":/icons/trabeo.svg"));
  AppContext& context = *d_->context;
  trabeo::StartDesktopSession(d_->session);
  trabeo::UnitSettings units = d_->session.units();
  units.EnableSteelEN1993 =
      ReadEurocodeSwitch(d_->settingsFile) ? trabeo::kSettingOn : trabeo::kSettingOff;
  d_->session.SetUnits(units);

  auto* index = d_->Create<TIndexFrm>(context, d_->settingsFile);
  auto* beam = d_->Create<TBeamFrm>(context);
  auto* info = d_->Create<TInfoFrm>();
  auto* loads = d_->Create<TLoadDataFrm>(context);
  auto* preferences = d_->Create<TPreferencesFrm>(context);
  auto* setHeader = d_->Create<TSetHeaderFrm>(context);
  auto* about = d_->Create<TAboutBox>();
  auto* lhCantilever = d_->Create<TCantLHFrm>(context);
  auto* rhCantilever = d_->Create<TCantRHFrm>(context);
  auto* span = d_->Create<TSpanFrm>(context);
  auto* timberSection = d_->Create<TTimSectFrm>(context);
  d_->flow = new EntryFlow(context, *index, *beam, *loads, *span, *lhCantilever, *rhCantilever,
                           *timberSection);
  auto* memberCapacity = d_->Create<TMemCapFrm>(context);
  auto* k3Help = d_->Create<TK3Frm>(context);
  auto* timber = d_->Create<TTimberFrm>(context);
  auto* duration = d_->Create<TDurationFrm>(context);
  auto* bolt = d_->Create<TStBoltFrm>(context);
  ConnectTimberSection(beam, timberSection, k3Help);
  ConnectTimberAndBoltModules(index, timber, duration, bolt, setHeader);

  ConnectIndexCommands(index, preferences, info, about, setHeader);
  QObject::connect(preferences, &TPreferencesFrm::savedAsDefault, [this] {
    SaveEurocodeSwitch(d_->settingsFile,
                       d_->session.units().EnableSteelEN1993 == trabeo::kSettingOn);
  });
  d_->ConnectSectionEditor(beam);

  // The beam data file and the printout; results at a point, whose lines File New and Open clear.
  auto* files = new BeamFileCommands(context, *index, d_->settingsFile);
  index->SetDiscardCheck([files] { return files->MayDiscardWork(); });
  auto* point = d_->Create<TPointFrm>(context);
  QObject::connect(files, &BeamFileCommands::beamFileOpened, d_->flow, &EntryFlow::BeamFileOpened);
  ConnectResultsAtPoint(index, files, point);
  ConnectMemberCapacity(*index, *memberCapacity, *setHeader);
  TGridFrm* editor = d_->sectionEditor;
  QObject::connect(memberCapacity, &TMemCapFrm::editMiscellaneousRequested, editor,
                   [editor] { ShowForm(editor); });

  // Alt and a letter opens a menu of any form's menu bar.
  for (QMenuBar* menuBar : index->findChildren<QMenuBar*>())
    AddMenuAccelerators(menuBar);

  d_->qtDialogs.set_parent(index);
  index->show();
}

trabeo::ProjectSession& TrabeoApplication::session() {
  return d_->session;
}

EntryFlow& TrabeoApplication::entryFlow() {
  return *d_->flow;
}
