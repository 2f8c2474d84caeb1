#pragma once

#include <QAbstractTableModel>

#include "sections/misc_grid.h"

// The miscellaneous section table as the editor's grid: 252 rows and 50 columns, row 0 the
// headings, row 1 the units, column 0 the row numbers, a section in each of rows 2 to 251. The
// view shows the heading, unit and number cells in its headers, so that they stay in view while
// the table scrolls and a row is dragged by its number; only the section cells are edited. The
// model holds the grid, so that the grid lives as long as the view that asks for its cells.
class MiscGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit MiscGridModel(QObject* parent = nullptr);

  trabeo::MiscGrid& grid() { return grid_; }
  const trabeo::MiscGrid& grid() const { return grid_; }

  // Whether the cell at this row and column holds a section's value (not a heading, unit or row
  // number).
  static bool IsSectionCell(int row, int column) {
    return row >= trabeo::kMiscGridFirstSectionRow && column > trabeo::kMiscRefColumn;
  }

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
