#include "app/trabeo_app.h"

#include <QApplication>
#include <vector>

#include "app/about_box.h"
#include "app/app_context.h"
#include "app/beam_form.h"
#include "app/cantilever_form.h"
#include "app/entry_flow.h"
#include "app/index_form.h"
#include "app/info_form.h"
#include "app/load_data_form.h"
#include "app/preferences_form.h"
#include "app/qt_dialogs.h"
#include "app/set_header_form.h"
#include "app/span_form.h"

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
  auto* lhCantilever = d_->Create<TCantLHFrm>(context);
  auto* rhCantilever = d_->Create<TCantRHFrm>(context);
  auto* span = d_->Create<TSpanFrm>(context);
  d_->flow = new EntryFlow(context, *index, *beam, *loads, *span, *lhCantilever, *rhCantilever);

  QObject::connect(index, &TIndexFrm::preferencesRequested,
                   [preferences] { ShowForm(preferences); });
  QObject::connect(index, &TIndexFrm::infoRequested, [info] { ShowForm(info); });
  QObject::connect(index, &TIndexFrm::aboutRequested, [about] { ShowForm(about, true); });
  QObject::connect(index, &TIndexFrm::setHeaderRequested,
                   [setHeader] { ShowForm(setHeader, true); });
  QObject::connect(preferences, &TPreferencesFrm::settingsChanged, index, &TIndexFrm::Redraw);

  d_->qtDialogs.set_parent(index);
  index->show();
}

trabeo::ProjectSession& TrabeoApplication::session() {
  return d_->session;
}

EntryFlow& TrabeoApplication::entryFlow() {
  return *d_->flow;
}
