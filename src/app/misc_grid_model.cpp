#include "app/misc_grid_model.h"

#include "app/qt_text.h"

MiscGridModel::MiscGridModel(QObject* parent) : QAbstractTableModel(parent) {}

int MiscGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : trabeo::kMiscGridRows;
}

int MiscGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : trabeo::kMiscGridColumns;
}

QVariant MiscGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return ToQString(grid_.Cell(index.row(), index.column()));
}

bool MiscGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  if (!IsSectionCell(index.row(), index.column())) return false;
  grid_.SetCell(index.row(), index.column(), value.toString().toStdString());
  Q_EMIT dataChanged(index, index);
  return true;
}

QVariant MiscGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) {
    if (section < trabeo::kMiscGridFirstSectionRow || section >= rowCount()) return {};
    return ToQString(grid_.Cell(section, trabeo::kMiscRefColumn));
  }
  if (section < 0 || section >= columnCount()) return {};
  return ToQString(grid_.Cell(trabeo::kMiscGridHeadingRow, section) + "\n" +
                   grid_.Cell(trabeo::kMiscGridUnitRow, section));
}

Qt::ItemFlags MiscGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  if (!IsSectionCell(index.row(), index.column())) return Qt::ItemIsEnabled;
  return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

void MiscGridModel::Refresh() {
  Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  Q_EMIT headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
  Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}
