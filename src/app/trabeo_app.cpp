#include "app/trabeo_app.h"

#include <QApplication>
#include <QIcon>
#include <vector>

#include "app/about_box.h"
#include "app/app_context.h"
#include "app/beam_form.h"
#include "app/bolt_form.h"
#include "app/duration_form.h"
#include "app/entry_flow.h"
#include "app/index_form.h"
#include "app/info_form.h"
#include "app/k3_help_form.h"
#include "app/load_data_form.h"
#include "app/member_capacity_form.h"
#include "app/preferences_form.h"
#include "app/qt_dialogs.h"
#include "app/set_header_form.h"
#include "app/timber_member_form.h"
#include "app/timber_section_form.h"

class TrabeoApplicationPrivate {
 public:
  explicit TrabeoApplicationPrivate(std::filesystem::path startFolder)
      : session(std::move(startFolder)) {}

  trabeo::ProjectSession session;
  QtDialogs qtDialogs;
  QtPrinting qtPrinting;
  std::unique_ptr<AppContext> context;
  std::vector<std::unique_ptr<QWidget>> forms;  // destroyed with the application, in reverse
  EntryFlow* flow = nullptr;                    // owned by the main window

  template <typename Form, typename... Args>
  Form* Create(Args&&... args) {
    auto form = std::make_unique<Form>(std::forward<Args>(args)...);
    Form* raw = form.get();
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

}  // namespace

TrabeoApplication::TrabeoApplication(const AppOptions& options)
    : d_(std::make_unique<TrabeoApplicationPrivate>(
          options.startFolder.empty() ? std::filesystem::current_path() : options.startFolder)) {
  trabeo::Dialogs& dialogs = options.dialogs != nullptr ? *options.dialogs : d_->qtDialogs;
  Printing& printing = options.printing != nullptr ? *options.printing : d_->qtPrinting;
  d_->context = std::make_unique<AppContext>(AppContext{d_->session, dialogs, printing});
}

TrabeoApplication::~TrabeoApplication() {
  while (!d_->forms.empty())
    d_->forms.pop_back();
}

void TrabeoApplication::start() {
  QApplication::setApplicationName(kProgramTitle);
  // Every window carries the program's icon: a loaded beam on two supports.
  Q_INIT_RESOURCE(resources);
  QApplication::setWindowIcon(QIcon(":/icons/trabeo.svg"));
  AppContext& context = *d_->context;
  d_->session.LoadPreferences();

  auto* index = d_->Create<TIndexFrm>(context);
  auto* beam = d_->Create<TBeamFrm>(context);
  auto* info = d_->Create<TInfoFrm>();
  auto* loads = d_->Create<TLoadDataFrm>(context);
  auto* preferences = d_->Create<TPreferencesFrm>(context);
  auto* setHeader = d_->Create<TSetHeaderFrm>(context);
  auto* about = d_->Create<TAboutBox>();
  auto* memberCapacity = d_->Create<TMemCapFrm>(context);
  d_->flow = new EntryFlow(context, *index, *beam, *loads);
  auto* timberSection = d_->Create<TTimSectFrm>(context);
  auto* k3Help = d_->Create<TK3Frm>(context);
  auto* timber = d_->Create<TTimberFrm>(context);
  auto* duration = d_->Create<TDurationFrm>(context);
  auto* bolt = d_->Create<TStBoltFrm>(context);
  ConnectTimberSection(beam, timberSection, k3Help);
  ConnectTimberAndBoltModules(index, timber, duration, bolt, setHeader);

  QObject::connect(index, &TIndexFrm::preferencesRequested,
                   [preferences] { ShowForm(preferences); });
  QObject::connect(index, &TIndexFrm::infoRequested, [info] { ShowForm(info); });
  QObject::connect(index, &TIndexFrm::aboutRequested, [about] { ShowForm(about, true); });
  QObject::connect(index, &TIndexFrm::setHeaderRequested,
                   [setHeader] { ShowForm(setHeader, true); });
  QObject::connect(preferences, &TPreferencesFrm::settingsChanged, index, &TIndexFrm::Redraw);
  ConnectMemberCapacity(*index, *memberCapacity, *setHeader);

  d_->qtDialogs.set_parent(index);
  index->show();
}

trabeo::ProjectSession& TrabeoApplication::session() {
  return d_->session;
}

EntryFlow& TrabeoApplication::entryFlow() {
  return *d_->flow;
}
