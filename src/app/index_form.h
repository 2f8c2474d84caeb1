#pragma once

#include <QMainWindow>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "app/app_context.h"
#include "results/tile_layout.h"

class PictureWidget;
class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

// The main window: the menu, the beam picture with its diagrams, the results listing and the
// introductory panel shown until the first command.
class TIndexFrm : public QMainWindow {
  Q_OBJECT

 public:
  // `settingsFile`: where the window's place is remembered between runs (empty: the user's
  // settings of the program).
  TIndexFrm(AppContext& context, std::filesystem::path settingsFile);

  // Before an entry form shows: the picture, the results list and the file commands are
  // cleared (the session empties the stores).
  void ClearResultsView();
  // File New: the caption, the picture and the results list as at start.
  void ResetForNew();
  // After an analysis: the picture with its result diagrams and the results listing in its
  // colour. The file commands are enabled by the caller once the messages were shown.
  void ShowResults(const trabeo::AnalysisOutcome& outcome);
  // After File > Open: as File New leaves it, then the opened beam's caption, picture and
  // refilled listing in its colour, with "Print" alone of the file commands.
  void ShowOpenedFile(const trabeo::OpenBeamResult& opened);
  // The files under File > "Recent Files", newest first.
  void SetRecentFiles(const QStringList& files);
  // Redraws the picture for the current tile (the load diagram, the beam and the diagrams).
  void Redraw();
  void HideIntroPanel();
  void SetFileCommandsEnabled(bool save, bool print);
  // Asked before File New and Exit: false keeps the beam in hand (the user cancelled).
  void SetDiscardCheck(std::function<bool()> mayDiscardWork);

  PictureWidget* picture() const { return picture_; }
  QListWidget* resultsList() const { return resultsList_; }
  QAction* action(const std::string& name) const;
  int listHeight() const { return listHeight_; }

 Q_SIGNALS:
  void newRequested();
  void beamInputRequested();
  void loadsInputRequested();
  void setHeaderRequested();
  void preferencesRequested();
  void infoRequested();
  void aboutRequested();
  void boltCapacityRequested();
  void timberMemberCapacityRequested();
  void openRequested();
  void recentFileRequested(const QString& path);
  void saveRequested();
  void saveAsRequested();
  void printRequested();
  void exportPdfRequested();
  void resultsAtPointRequested();
  // "Steel Modules" > "Member Capacity to BS 5950".
  void memberCapacityRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  void BuildIntroPanel();
  // A menu command; `slot` is a member function or a callable.
  template <typename Slot>
  QAction* AddAction(QMenu* menu, const char* caption, const char* name, Slot slot);
  static QRect StartGeometry();
  void ApplyScreenGeometry();
  void PlaceOnFirstShowing();
  void RememberGeometry();
  void FitListToHeight();
  void LayOutClientArea();
  void ClearPicture();
  void SetTile(trabeo::Tile tile);
  void ShowListing(const trabeo::ListingLines& lines, trabeo::Color colour);

  void ExitTrabeo();
  void TileDefault() { SetTile(trabeo::Tile::Default); }
  void TileDiagrams() { SetTile(trabeo::Tile::Diagrams); }
  void TileResults() { SetTile(trabeo::Tile::Results); }
  void BoltCapacity();
  void SteelMemberCapacity();
  void TimberMemberCapacity();
  void ShowModule(void (TIndexFrm::*request)());

  void RequestNew();

  AppContext& context_;
  std::filesystem::path settingsFile_;
  std::function<bool()> mayDiscardWork_ = [] { return true; };
  bool placed_ = false;        // the first showing placed the window
  bool pictureDrawn_ = false;  // the picture shows a drawing, not the cleared black
  PictureWidget* picture_ = nullptr;
  QListWidget* resultsList_ = nullptr;
  QFrame* introPanel_ = nullptr;
  QMenu* recentFiles_ = nullptr;
  std::map<std::string, QAction*> actions_;
  trabeo::Tile tile_ = trabeo::Tile::Default;
  int listHeight_ = 125;
  int32_t DiagramOnly = 0;
};
