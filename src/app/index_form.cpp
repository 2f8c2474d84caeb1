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

#include "app/app_settings.h"
#include "app/form_controls.h"
#include "app/picture_widget.h"
#include "app/print/qt_canvas.h"
#include "results/main_picture.h"

TIndexFrm::TIndexFrm(AppContext& context, std::filesystem::path settingsFile)
    : context_(context), settingsFile_(std::move(settingsFile)) {
  setObjectName("IndexFrm");
  setWindowTitle(kProgramTitle);
  auto* client = new QWidget(this);
  client->setObjectName("ClientArea");
  setCentralWidget(client);

  picture_ = new PictureWidget(client);
  picture_->setObjectName("Image1");
  resultsList_ = new QListWidget(client);
  resultsList_->setObjectName("List_Results");
  resultsList_->setFont(FixedPitchListFont());

  BuildMenu();
  BuildIntroPanel();
  ApplyScreenGeometry();
}

namespace {

constexpr const char* kGeometryKey = "MainWindow/Geometry";
constexpr int kListRowHeight = 16;  // pixels: the listing's 13-pixel Courier with little leading
constexpr int kListTextMargin = 8;  // pixels beside a line's text, so its last letter shows whole

}  // namespace

template <typename Slot>
QAction* TIndexFrm::AddAction(QMenu* menu, const char* caption, const char* name, Slot slot) {
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
  AddAction(file, "New", "New1", &TIndexFrm::RequestNew)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  AddAction(file, "Open", "Open1", &TIndexFrm::openRequested)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  recentFiles_ = file->addMenu("Recent Files");
  recentFiles_->setObjectName("RecentFiles1");
  recentFiles_->setEnabled(false);
  file->addSeparator();
  AddAction(file, "Save", "Save1", &TIndexFrm::saveRequested)->setEnabled(false);
  AddAction(file, "Save As", "SaveAs1", &TIndexFrm::saveAsRequested)->setEnabled(false);
  file->addSeparator();
  AddAction(file, "Set Header", "SetHeader1", &TIndexFrm::setHeaderRequested);
  AddAction(file, "Print", "Print1", &TIndexFrm::printRequested)->setEnabled(false);
  AddAction(file, "Export PDF", "ExportPDF1", &TIndexFrm::exportPdfRequested)->setEnabled(false);
  file->addSeparator();
  AddAction(file, "Exit Trabeo", "ExitTrabeo1", &TIndexFrm::ExitTrabeo);
  // The same keys on every desktop, so they are spelled out rather than left to the platform.
  actions_["Save1"]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  actions_["SaveAs1"]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  actions_["Print1"]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  actions_["ExitTrabeo1"]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* input = menuBar()->addMenu("Input");
  input->setObjectName("Input1");
  AddAction(input, "Beam", "Beam1", &TIndexFrm::beamInputRequested);
  AddAction(input, "Loads", "Loads1", &TIndexFrm::loadsInputRequested);

  QMenu* analyse = menuBar()->addMenu("Analyse");
  analyse->setObjectName("Analyse1");
  AddAction(analyse, "Results at Point", "ResultsatPoint1",
            [this] { ShowModule(&TIndexFrm::resultsAtPointRequested); });

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
  AddAction(settings, "Preferences", "Preferences1",
            [this] { ShowModule(&TIndexFrm::preferencesRequested); });

  QMenu* info = menuBar()->addMenu("Info");
  info->setObjectName("Info1");
  AddAction(info, "General", "General1", [this] {
    ShowModule(&TIndexFrm::infoRequested);
  })->setShortcut(QKeySequence(Qt::Key_F1));
  AddAction(info, "About", "About1", &TIndexFrm::aboutRequested);
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
  connect(beam, &QPushButton::clicked, this, &TIndexFrm::beamInputRequested);
  connect(settings, &QPushButton::clicked, this,
          [this] { ShowModule(&TIndexFrm::preferencesRequested); });
  connect(exit, &QPushButton::clicked, this, &TIndexFrm::ExitTrabeo);
  introPanel_->adjustSize();
  introPanel_->resize(360, introPanel_->sizeHint().height());
}

// Top 0, 800 pixels wide or the screen's width when less, centred, the screen's height less one;
// over the screen's available area, so the desktop's panels do not hide part of the window.
QRect TIndexFrm::StartGeometry() {
  const QRect screen = ScreenRect();
  const int width = std::min(800, screen.width());
  return {screen.left() + (screen.width() - width) / 2, screen.top(), width, screen.height() - 1};
}

void TIndexFrm::ApplyScreenGeometry() {
  setGeometry(StartGeometry());
  FitListToHeight();
  LayOutClientArea();
}

// The first showing places the window where the user left it in the last run, or where the
// program places it; later showings leave it where the user has it.
void TIndexFrm::PlaceOnFirstShowing() {
  const QByteArray saved = OpenSettings(settingsFile_)->value(kGeometryKey).toByteArray();
  if (saved.isEmpty() || !restoreGeometry(saved)) ApplyScreenGeometry();
}

// Kept for the next run as the user left it. A window the user never moved is kept too: the
// window system may have shifted it for its frame, so "untouched" cannot be told reliably, and
// restoring it puts it back where it was.
void TIndexFrm::RememberGeometry() {
  OpenSettings(settingsFile_)->setValue(kGeometryKey, saveGeometry());
}

void TIndexFrm::FitListToHeight() {
  const trabeo::TileLayout layout = trabeo::LayoutForTile(tile_, height());
  listHeight_ = layout.listHeight;
  DiagramOnly = layout.DiagramOnly;
}

void TIndexFrm::LayOutClientArea() {
  QWidget* client = centralWidget();
  const QRect area = client->rect();
  picture_->setGeometry(area);
  resultsList_->setGeometry(0, area.height() - listHeight_, area.width(), listHeight_);
  resultsList_->setVisible(listHeight_ > 0);
  introPanel_->move((area.width() - introPanel_->width()) / 2, 75);
}

// A new size lays the tile out again for it and draws the picture afresh at that size.
void TIndexFrm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FitListToHeight();
  LayOutClientArea();
  if (pictureDrawn_) Redraw();
}

// A showing by the program clears the picture. The window system showing it again after it was
// minimised changes nothing: the drawing stays.
void TIndexFrm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (event->spontaneous()) return;
  if (!placed_) {
    placed_ = true;
    PlaceOnFirstShowing();
  }
  ClearPicture();
}

void TIndexFrm::ClearPicture() {
  pictureDrawn_ = false;
  picture_->Fill(Qt::black);
}

void TIndexFrm::closeEvent(QCloseEvent* event) {
  if (!mayDiscardWork_()) {
    event->ignore();
    return;
  }
  event->accept();
  RememberGeometry();
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
  actions_["ExportPDF1"]->setEnabled(print);
}

void TIndexFrm::SetDiscardCheck(std::function<bool()> mayDiscardWork) {
  mayDiscardWork_ = std::move(mayDiscardWork);
}

void TIndexFrm::RequestNew() {
  if (mayDiscardWork_()) Q_EMIT newRequested();
}

void TIndexFrm::ClearResultsView() {
  SetFileCommandsEnabled(false, false);
  ClearPicture();
  resultsList_->clear();
}

void TIndexFrm::ResetForNew() {
  SetFileCommandsEnabled(false, false);
  setWindowTitle(kProgramTitle);
  ClearPicture();
  resultsList_->clear();
}

// The load diagram and the beam from the current model; the result diagrams only while the
// results belong to it and the tile shows them.
void TIndexFrm::Redraw() {
  trabeo::ProjectSession& session = context_.session;
  const trabeo::DiagramInputs inputs = session.DiagramInputs();
  const trabeo::MainWindowGeometry window{width(), height(), listHeight_, DiagramOnly};
  const bool resultDiagrams = session.ResultsValid() == 1 && tile_ != trabeo::Tile::Results;
  pictureDrawn_ = true;
  picture_->Draw([&](trabeo::Canvas& canvas) {
    trabeo::DrawMainPicture(canvas, inputs, window, picture_->width(), picture_->height(),
                            resultDiagrams);
  });
}

void TIndexFrm::ShowResults(const trabeo::AnalysisOutcome& outcome) {
  Redraw();
  ShowListing(outcome.listing, outcome.listColour);
}

void TIndexFrm::ShowOpenedFile(const trabeo::OpenBeamResult& opened) {
  ResetForNew();
  if (!opened.opened) return;
  if (opened.caption) setWindowTitle(ToQString(*opened.caption));
  Redraw();
  ShowListing(opened.listing, opened.listColour);
  SetFileCommandsEnabled(false, opened.printEnabled);
}

void TIndexFrm::ShowListing(const trabeo::ListingLines& lines, trabeo::Color colour) {
  resultsList_->clear();
  // Each row as wide as its own text, so that a window narrower than the listing scrolls to
  // every line's end rather than cutting the longer lines short.
  const QFontMetrics metrics(resultsList_->font());
  for (const std::string& line : lines) {
    auto* item = new QListWidgetItem(QString::fromStdString(line), resultsList_);
    item->setSizeHint(
        QSize(metrics.horizontalAdvance(item->text()) + kListTextMargin, kListRowHeight));
  }
  QPalette palette = resultsList_->palette();
  palette.setColor(QPalette::Text, ToQColor(colour));
  resultsList_->setPalette(palette);
}

void TIndexFrm::SetRecentFiles(const QStringList& files) {
  recentFiles_->clear();
  for (int i = 0; i < files.size(); ++i) {
    const QString path = files[i];
    QString shown = path;
    shown.replace("&", "&&");  // a file name's "&" is no shortcut
    QAction* item = recentFiles_->addAction(QString("&%1  %2").arg(QString::number(i + 1), shown));
    item->setObjectName(QString("RecentFile%1").arg(i + 1));
    connect(item, &QAction::triggered, this, [this, path] { Q_EMIT recentFileRequested(path); });
  }
  recentFiles_->setEnabled(!files.isEmpty());
}

void TIndexFrm::SetTile(trabeo::Tile tile) {
  tile_ = tile;
  FitListToHeight();
  LayOutClientArea();
  Redraw();
}

void TIndexFrm::ExitTrabeo() {
  close();
}

void TIndexFrm::BoltCapacity() {
  ShowModule(&TIndexFrm::boltCapacityRequested);
}
void TIndexFrm::SteelMemberCapacity() {
  ShowModule(&TIndexFrm::memberCapacityRequested);
}
void TIndexFrm::TimberMemberCapacity() {
  ShowModule(&TIndexFrm::timberMemberCapacityRequested);
}

// Every command that opens a module hides the introductory panel first.
void TIndexFrm::ShowModule(void (TIndexFrm::*request)()) {
  HideIntroPanel();
  (this->*request)();
}
