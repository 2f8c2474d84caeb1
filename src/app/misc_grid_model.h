#pragma once

#include <QAbstractTableModel>

#include "sections/misc_grid.h"

// The miscellaneous section table as the editor's view shows it: one model row per section row,
// one model column per grid column after the row numbers. The headings and units are the
// horizontal header (two lines each), the row numbers the vertical header, so that both stay in
// view while the table scrolls and a row is dragged by its number. The model holds the grid, so
// that the grid lives as long as the view that asks for its cells.
class MiscGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit MiscGridModel(QObject* parent = nullptr);

  trabeo::MiscGrid& grid() { return grid_; }
  const trabeo::MiscGrid& grid() const { return grid_; }

  // The grid column that model column `column` shows, and back.
  static int GridColumn(int column) { return column + 1; }
  static int ModelColumn(int gridColumn) { return gridColumn - 1; }
  static int GridRow(int row) { return row + trabeo::kMiscGridFirstSectionRow; }
  static int ModelRow(int gridRow) { return gridRow - trabeo::kMiscGridFirstSectionRow; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The grid changed as a whole (loaded, renumbered, a row moved).
  void Refresh();

 private:
  trabeo::MiscGrid grid_;
};
