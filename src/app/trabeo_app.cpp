#include "app/trabeo_app.h"

#include <QApplication>
#include <vector>

#include "app/about_box.h"
#include "app/app_context.h"
#include "app/beam_form.h"
#include "app/entry_flow.h"
#include "app/index_form.h"
#include "app/info_form.h"
#include "app/load_data_form.h"
#include "app/member_capacity_form.h"
#include "app/preferences_form.h"
#include "app/qt_dialogs.h"
#include "app/set_header_form.h"

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
