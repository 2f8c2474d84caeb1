#include "app/index_form.h"

#include "app/qt_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/about_box.h"
#include "app/beam_form.h"
#include "app/busy_cursor.h"
#include "app/info_form.h"
#include "app/load_data_form.h"
#include "app/picture_widget.h"
#include "app/preferences_form.h"
#include "app/print/qt_canvas.h"
#include "app/set_header_form.h"
#include "beam_input/new_project.h"
#include "results/main_picture.h"
#include "results/results_listing.h"
#include "sections/catalogue/catalogue.h"

namespace {}  // namespace

TIndexFrm::TIndexFrm(AppContext& context) : context_(context) {
  setObjectName("IndexFrm");
  setWindowTitle(kProgramTitle);
  auto* client = new QWidget(this);
  client->setObjectName("ClientArea");
  setCentralWidget(client);

  picture_ = new PictureWidget(client);
  picture_->setObjectName("Image1");
  resultsList_ = new QListWidget(client);
  resultsList_->setObjectName("List_Results");
  QFont courier("Courier");
  courier.setStyleHint(QFont::TypeWriter);
  courier.setFixedPitch(true);
  courier.setPixelSize(13);
  resultsList_->setFont(courier);
  resultsList_->setUniformItemSizes(true);

  BuildMenu();
  BuildIntroPanel();
  ApplyScreenGeometry();
  context_.state.StartFolder = context_.state.StartFolder.empty() ? std::filesystem::current_path()
                                                                  : context_.state.StartFolder;
  context_.state.header.CurrentFileName.clear();
}

QAction* TIndexFrm::AddAction(QMenu* menu, const char* caption, const char* name,
                              void (TIndexFrm::*slot)()) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  connect(action, &QAction::triggered, this, slot);
  actions_[name] = action;
  return action;
}

QAction* TIndexFrm::action(const std::string& name) const {
  const auto found = actions_.find(name);
  return found == actions_.end() ? nullptr : found->second;
}

void TIndexFrm::BuildMenu() {
  QMenu* file = menuBar()->addMenu("File");
  file->setObjectName("File1");
  AddAction(file, "New", "New1", &TIndexFrm::FileNew);
  AddAction(file, "Open", "Open1", &TIndexFrm::FileOpen);
  file->addSeparator();
  AddAction(file, "Save", "Save1", &TIndexFrm::FileSave)->setEnabled(false);
  AddAction(file, "Save As", "SaveAs1", &TIndexFrm::FileSaveAs)->setEnabled(false);
  file->addSeparator();
  AddAction(file, "Set Header", "SetHeader1", &TIndexFrm::SetHeader);
  AddAction(file, "Print", "Print1", &TIndexFrm::Print)->setEnabled(false);
  file->addSeparator();
  AddAction(file, "Exit Trabeo", "ExitTrabeo1", &TIndexFrm::ExitTrabeo);

  QMenu* input = menuBar()->addMenu("Input");
  input->setObjectName("Input1");
  AddAction(input, "Beam", "Beam1", &TIndexFrm::InputBeam);
  AddAction(input, "Loads", "Loads1", &TIndexFrm::InputLoads);

  QMenu* analyse = menuBar()->addMenu("Analyse");
  analyse->setObjectName("Analyse1");
  AddAction(analyse, "Results at Point", "ResultsatPoint1", &TIndexFrm::ResultsAtPoint);

  QMenu* tile = menuBar()->addMenu("Tile");
  tile->setObjectName("Tile1");
  AddAction(tile, "Default", "Default1", &TIndexFrm::TileDefault);
  AddAction(tile, "Diagrams", "Diagrams1", &TIndexFrm::TileDiagrams);
  AddAction(tile, "Results", "Results1", &TIndexFrm::TileResults);

  QMenu* steel = menuBar()->addMenu("Steel Modules");
  steel->setObjectName("SteelModules1");
  AddAction(steel, "Bolt Capacity  Gr 4.6 + 8.8", "BoltCapacity1", &TIndexFrm::BoltCapacity);
  AddAction(steel, "Member Capacity to BS 5950", "MemberCapacity1",
            &TIndexFrm::SteelMemberCapacity);

  QMenu* timber = menuBar()->addMenu("Timber Modules");
  timber->setObjectName("TimberModules1");
  AddAction(timber, "Member Capacity to  BS 5268", "TimberMemberCapacity1",
            &TIndexFrm::TimberMemberCapacity);

  QMenu* settings = menuBar()->addMenu("Settings");
  settings->setObjectName("Settings1");
  AddAction(settings, "Preferences", "Preferences1", &TIndexFrm::Preferences);

  QMenu* info = menuBar()->addMenu("Info");
  info->setObjectName("Info1");
  AddAction(info, "General", "General1", &TIndexFrm::InfoGeneral);
  AddAction(info, "About", "About1", &TIndexFrm::InfoAbout);
}

void TIndexFrm::BuildIntroPanel() {
  introPanel_ = new QFrame(centralWidget());
  introPanel_->setObjectName("Panel1");
  introPanel_->setFrameShape(QFrame::StyledPanel);
  introPanel_->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(introPanel_);
  auto* title = new QLabel("Trabeo Professional", introPanel_);
  title->setObjectName("lbl_Title");
  QFont titleFont = title->font();
  titleFont.setPointSize(20);
  titleFont.setBold(true);
  title->setFont(titleFont);
  auto* subtitle = new QLabel("Single Span Beam Analysis Program", introPanel_);
  subtitle->setObjectName("lbl_Subtitle");
  auto* version = new QLabel(QString("Version ") + kProgramVersion + kVersionSuffix, introPanel_);
  version->setObjectName("lbl_Version");
  for (QLabel* label : {title, subtitle, version}) {
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
  }
  auto* beam = new QPushButton("Beam Analysis", introPanel_);
  beam->setObjectName("cmdOK");
  auto* settings = new QPushButton("Settings", introPanel_);
  settings->setObjectName("cmdSet");
  settings->setToolTip("Set unit preferences");
  auto* exit = new QPushButton("Exit", introPanel_);
  exit->setObjectName("Button1");
  for (QPushButton* button : {beam, settings, exit})
    layout->addWidget(button);
  connect(beam, &QPushButton::clicked, this, &TIndexFrm::InputBeam);
  connect(settings, &QPushButton::clicked, this, &TIndexFrm::Preferences);
  connect(exit, &QPushButton::clicked, this, &TIndexFrm::ExitTrabeo);
  introPanel_->adjustSize();
  introPanel_->resize(360, introPanel_->sizeHint().height());
}

void TIndexFrm::ApplyScreenGeometry() {
  const QRect screen = ScreenRect();
  const int width = std::min(800, screen.width());
  const int height = screen.height() - 1;
  setGeometry(screen.left() + (screen.width() - width) / 2, screen.top(), width, height);
  if (tile_ == trabeo::Tile::Default) {
    listHeight_ = trabeo::LayoutForTile(trabeo::Tile::Default, height).listHeight;
  }
  LayOutClientArea();
}

void TIndexFrm::LayOutClientArea() {
  QWidget* client = centralWidget();
  const QRect area = client->rect();
  picture_->setGeometry(area);
  resultsList_->setGeometry(0, area.height() - listHeight_, area.width(), listHeight_);
  resultsList_->setVisible(listHeight_ > 0);
  introPanel_->move((area.width() - introPanel_->width()) / 2, 75);
}

void TIndexFrm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  LayOutClientArea();
}

// Every showing restores the catalogue section tables in the start folder from the built-in
// data; a file that cannot be written is skipped.
void TIndexFrm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  ApplyScreenGeometry();
  trabeo::WriteCatalogue(context_.state.StartFolder);
  picture_->Fill(Qt::black);
}

void TIndexFrm::closeEvent(QCloseEvent* event) {
  event->accept();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget != this) widget->hide();
  }
  QCoreApplication::quit();
}

void TIndexFrm::HideIntroPanel() {
  introPanel_->hide();
}

void TIndexFrm::SetFileCommandsEnabled(bool save, bool print) {
  actions_["Save1"]->setEnabled(save);
  actions_["SaveAs1"]->setEnabled(save);
  actions_["Print1"]->setEnabled(print);
}

void TIndexFrm::ClearResults() {
  SetFileCommandsEnabled(false, false);
  context_.state.listing.Clear();
  picture_->Fill(Qt::black);
  resultsList_->clear();
}

// The load diagram and the beam from the current model; the result diagrams only while the
// results belong to it and the tile shows them.
void TIndexFrm::Redraw() {
  AppState& state = context_.state;
  const trabeo::DiagramInputs inputs{state.project.model, state.analysis->results, state.udlOutline,
                                     state.units};
  const trabeo::MainWindowGeometry window{width(), height(), listHeight_, DiagramOnly};
  const bool resultDiagrams = state.ResultsValid == 1 && tile_ != trabeo::Tile::Results;
  picture_->Draw([&](trabeo::Canvas& canvas) {
    const trabeo::DrawnLoadCounts counts = trabeo::DrawMainPicture(
        canvas, inputs, window, picture_->width(), picture_->height(), resultDiagrams);
    state.UdlDrawnCount = counts.UdlDrawnCount;
    state.PointLoadDrawnCount = counts.PointLoadDrawnCount;
  });
}

void TIndexFrm::ShowListing() {
  AppState& state = context_.state;
  trabeo::CodeCheckListing codeCheck;
  const trabeo::ResultsListing listing = trabeo::WriteResultsListing(
      state.project, state.analysis->results, state.units, codeCheck, state.listing);
  resultsList_->clear();
  for (const std::string& line : listing.lines)
    resultsList_->addItem(QString::fromStdString(line));
  QPalette palette = resultsList_->palette();
  palette.setColor(QPalette::Text, ToQColor(listing.color));
  resultsList_->setPalette(palette);
}

void TIndexFrm::Analyse() {
  show();
  raise();
  AppState& state = context_.state;
  std::vector<std::string> messages;
  {
    BusyCursor busy;
    state.udlOutline = trabeo::BuildUdlOutline(state.project.model.Loads);
    trabeo::AnalysisReport report = trabeo::RunAnalysis(state.project.model, *state.analysis);
    if (!report.ran) return;
    messages = std::move(report.messages);
    state.ResultsValid = 1;
    Redraw();
    ShowListing();
  }
  for (const std::string& message : messages)
    context_.dialogs.Message(message);
  SetFileCommandsEnabled(true, true);
}

void TIndexFrm::SetTile(trabeo::Tile tile) {
  tile_ = tile;
  const trabeo::TileLayout layout = trabeo::LayoutForTile(tile, height());
  listHeight_ = layout.listHeight;
  DiagramOnly = layout.DiagramOnly;
  LayOutClientArea();
  Redraw();
}

void TIndexFrm::FileNew() {
  AppState& state = context_.state;
  HideIntroPanel();
  context_.forms.beam->hide();
  context_.forms.loads->hide();
  SetFileCommandsEnabled(false, false);
  trabeo::ResetProjectForNew(state.project, state.header, state.units, state.StartFolder);
  state.ResultsValid = 0;
  setWindowTitle(kProgramTitle);
  picture_->Fill(Qt::black);
  context_.forms.loads->ClearRows();
  context_.forms.beam->ResetForNew();
  resultsList_->clear();
  context_.forms.beam->show();
  context_.forms.beam->raise();
}

void TIndexFrm::FileOpen() {
  NotYetAvailable("Opening beam data files");
}
void TIndexFrm::FileSave() {
  NotYetAvailable("Saving beam data files");
}
void TIndexFrm::FileSaveAs() {
  NotYetAvailable("Saving beam data files");
}
void TIndexFrm::Print() {
  NotYetAvailable("Printing the beam report");
}

void TIndexFrm::SetHeader() {
  context_.forms.setHeader->setWindowModality(Qt::ApplicationModal);
  context_.forms.setHeader->show();
  context_.forms.setHeader->raise();
}

void TIndexFrm::ExitTrabeo() {
  close();
}

void TIndexFrm::InputBeam() {
  HideIntroPanel();
  ClearResults();
  context_.forms.beam->show();
  context_.forms.beam->raise();
}

void TIndexFrm::InputLoads() {
  HideIntroPanel();
  if (context_.state.project.model.TotalLength == 0) {
    context_.dialogs.Message("Specify beam data first");
    return;
  }
  ClearResults();
  context_.forms.loads->show();
  context_.forms.loads->raise();
}

void TIndexFrm::ResultsAtPoint() {
  NotYetAvailable("Results at a point");
}
void TIndexFrm::BoltCapacity() {
  NotYetAvailable("The bolt capacity module");
}
void TIndexFrm::SteelMemberCapacity() {
  NotYetAvailable("The steel member capacity module");
}
void TIndexFrm::TimberMemberCapacity() {
  NotYetAvailable("The timber member capacity module");
}

void TIndexFrm::Preferences() {
  HideIntroPanel();
  context_.forms.preferences->show();
  context_.forms.preferences->raise();
}

void TIndexFrm::InfoGeneral() {
  HideIntroPanel();
  context_.forms.info->show();
  context_.forms.info->raise();
}

void TIndexFrm::InfoAbout() {
  context_.forms.about->setWindowModality(Qt::ApplicationModal);
  context_.forms.about->show();
  context_.forms.about->raise();
}

void TIndexFrm::NotYetAvailable(const char* module) {
  HideIntroPanel();
  context_.dialogs.Message(std::string(module) + " is not available in this version.");
}
