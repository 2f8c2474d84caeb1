#include "app/trabeo_app.h"

#include <QApplication>
#include <vector>

#include "app/about_box.h"
#include "app/app_context.h"
#include "app/beam_form.h"
#include "app/index_form.h"
#include "app/info_form.h"
#include "app/load_data_form.h"
#include "app/preferences_form.h"
#include "app/qt_dialogs.h"
#include "app/set_header_form.h"
#include "settings/units_file.h"

class TrabeoApplicationPrivate {
 public:
  AppState state;
  QtDialogs qtDialogs;
  std::unique_ptr<AppContext> context;
  std::vector<std::unique_ptr<QWidget>> forms;  // destroyed with the application, in reverse

  template <typename Form, typename... Args>
  Form* Create(Args&&... args) {
    auto form = std::make_unique<Form>(std::forward<Args>(args)...);
    Form* raw = form.get();
    forms.push_back(std::move(form));
    return raw;
  }
};

TrabeoApplication::TrabeoApplication(const AppOptions& options)
    : d_(std::make_unique<TrabeoApplicationPrivate>()) {
  d_->state.StartFolder =
      options.startFolder.empty() ? std::filesystem::current_path() : options.startFolder;
  trabeo::Dialogs& dialogs = options.dialogs != nullptr ? *options.dialogs : d_->qtDialogs;
  d_->context = std::make_unique<AppContext>(AppContext{d_->state, dialogs, {}});
}

TrabeoApplication::~TrabeoApplication() {
  while (!d_->forms.empty())
    d_->forms.pop_back();
}

void TrabeoApplication::start() {
  QApplication::setApplicationName(kProgramTitle);
  AppContext& context = *d_->context;
  d_->state.units = trabeo::ReadUnitsFile(d_->state.StartFolder, d_->state.units).settings;
  d_->state.project.model.DesignCode = d_->state.units.DesignCode;

  Forms& forms = context.forms;
  forms.index = d_->Create<TIndexFrm>(context);
  forms.beam = d_->Create<TBeamFrm>(context);
  forms.info = d_->Create<TInfoFrm>();
  forms.loads = d_->Create<TLoadDataFrm>(context);
  forms.preferences = d_->Create<TPreferencesFrm>(context);
  forms.setHeader = d_->Create<TSetHeaderFrm>(context);
  forms.about = d_->Create<TAboutBox>();
  d_->qtDialogs.set_parent(forms.index);
  forms.index->show();
}
