#pragma once

#include <QMainWindow>
#include <map>
#include <string>

#include "app/app_context.h"
#include "results/tile_layout.h"

class PictureWidget;
class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

// The main window: the menu, the beam picture with its diagrams, the results listing and the
// introductory panel shown until the first command.
class TIndexFrm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TIndexFrm(AppContext& context);

  // Empties the results, their stores and the picture before an entry sequence starts.
  void ClearResults();
  // The end of the entry sequence: shows this window, analyses the beam, draws the diagrams,
  // reports the analysis messages and writes the listing.
  void Analyse();
  // Redraws the picture for the current tile (the load diagram, the beam and the diagrams).
  void Redraw();
  void HideIntroPanel();

  PictureWidget* picture() const { return picture_; }
  QListWidget* resultsList() const { return resultsList_; }
  QAction* action(const std::string& name) const;
  int listHeight() const { return listHeight_; }
  // The shared state, for the program's own tests to set up and inspect.
  AppContext& context() const { return context_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  void BuildIntroPanel();
  QAction* AddAction(QMenu* menu, const char* caption, const char* name, void (TIndexFrm::*slot)());
  void ApplyScreenGeometry();
  void LayOutClientArea();
  void SetTile(trabeo::Tile tile);
  void ShowListing();
  void SetFileCommandsEnabled(bool save, bool print);

  void FileNew();
  void FileOpen();
  void FileSave();
  void FileSaveAs();
  void SetHeader();
  void Print();
  void ExitTrabeo();
  void InputBeam();
  void InputLoads();
  void ResultsAtPoint();
  void TileDefault() { SetTile(trabeo::Tile::Default); }
  void TileDiagrams() { SetTile(trabeo::Tile::Diagrams); }
  void TileResults() { SetTile(trabeo::Tile::Results); }
  void BoltCapacity();
  void SteelMemberCapacity();
  void TimberMemberCapacity();
  void Preferences();
  void InfoGeneral();
  void InfoAbout();
  void NotYetAvailable(const char* module);

  AppContext& context_;
  PictureWidget* picture_ = nullptr;
  QListWidget* resultsList_ = nullptr;
  QFrame* introPanel_ = nullptr;
  std::map<std::string, QAction*> actions_;
  trabeo::Tile tile_ = trabeo::Tile::Default;
  int listHeight_ = 125;
  int32_t DiagramOnly = 0;
};
