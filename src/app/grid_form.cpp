#include "app/grid_form.h"

#include <algorithm>

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QShowEvent>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QVBoxLayout>

#include "app/busy_cursor.h"
#include "app/form_controls.h"
#include "app/misc_grid_model.h"
#include "app/qt_text.h"

namespace {

using trabeo::CalculatorShape;

struct AddSectionItem {
  const char* caption;
  const char* action;
  CalculatorShape shape;
};
constexpr AddSectionItem kAddSection[] = {
    {"Angle", "Angle1", CalculatorShape::Angle}, {"Beam", "Beam1", CalculatorShape::IBeam},
    {"Box", "Box1", CalculatorShape::Box},       {"Channel", "Channel1", CalculatorShape::Channel},
    {"Joist", "Joist1", CalculatorShape::Joist}, {"Tube", "Tube1", CalculatorShape::Tube},
};

constexpr int kGridMargin = 20;
constexpr int kHeightBelowGrid = 150;
constexpr int kRowHeight = 20;

QLabel* BlueNote(const char* text, const char* objectName, QWidget* parent) {
  auto* note = Named(new QLabel(text, parent), objectName);
  note->setStyleSheet("color: blue;");
  return note;
}

// The corner above the row numbers carries the row-number column's heading.
class RefHeadingPainter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (corner == nullptr || event->type() != QEvent::Paint) return false;
    QPainter painter(corner);
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.text = ToQString(trabeo::MiscGridColumns()[trabeo::kMiscRefColumn].heading);
    option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
    return true;
  }
};

}  // namespace

TGridFrm::TGridFrm(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), context_(context) {
  setObjectName("GridFrm");
  setWindowTitle("Miscellaneous Section Data");
  QFont formFont("MS Sans Serif");
  formFont.setPixelSize(13);
  setFont(formFont);
  auto* layout = new QVBoxLayout(this);
  BuildMenu();
  layout->addWidget(BlueNote("Drag Ref No to change order", "lbl_DragNote", this));
  layout->addWidget(BlueNote("Units on this form cannot be changed.", "lbl_UnitsNote", this));
  layout->addWidget(BuildGrid());
  layout->addStretch();
  PlaceOnScreen();
}

void TGridFrm::BuildMenu() {
  auto* menuBar = Named(new QMenuBar(this), "MainMenu1");
  layout()->setMenuBar(menuBar);
  QMenu* file = menuBar->addMenu("File");
  file->setObjectName("File1");
  connect(Named(file->addAction("Save"), "S1"), &QAction::triggered, this, &TGridFrm::Save);
  connect(Named(file->addAction("Close"), "Close1"), &QAction::triggered, this, &QWidget::hide);
  QMenu* add = menuBar->addMenu("Add Section");
  add->setObjectName("AddSection1");
  for (const AddSectionItem& item : kAddSection) {
    const CalculatorShape shape = item.shape;
    connect(Named(add->addAction(item.caption), item.action), &QAction::triggered, this,
            [this, shape] { Q_EMIT calculatorRequested(shape); });
  }
}

QTableView* TGridFrm::BuildGrid() {
  view_ = Named(new QTableView(this), "Grid");
  model_ = new MiscGridModel(view_);
  view_->setModel(model_);
  view_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed);
  QHeaderView* numbers = view_->verticalHeader();
  numbers->setSectionsMovable(true);
  numbers->setFixedWidth(trabeo::MiscGridColumns()[trabeo::kMiscRefColumn].width);
  numbers->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  numbers->setDefaultSectionSize(kRowHeight);
  connect(numbers, &QHeaderView::sectionMoved, this,
          [this](int, int fromVisual, int toVisual) { RowDragged(fromVisual, toVisual); });
  QHeaderView* headings = view_->horizontalHeader();
  headings->setSectionResizeMode(QHeaderView::Interactive);
  headings->setMinimumSectionSize(1);
  // The heading, unit and number cells show in the headers, which stay in view.
  view_->setRowHidden(trabeo::kMiscGridHeadingRow, true);
  view_->setRowHidden(trabeo::kMiscGridUnitRow, true);
  view_->setColumnHidden(trabeo::kMiscRefColumn, true);
  for (int column = trabeo::kMiscRefColumn + 1; column < model_->columnCount(); ++column)
    view_->setColumnWidth(column,
                          trabeo::MiscGridColumns()[static_cast<std::size_t>(column)].width);
  if (auto* corner = view_->findChild<QAbstractButton*>())
    corner->installEventFilter(new RefHeadingPainter(view_));
  return view_;
}

// As wide as the screen and three quarters as high, the table filling it but for a margin.
void TGridFrm::PlaceOnScreen() {
  const QRect screen = ScreenRect();
  const int height = screen.height() * 3 / 4;
  setFixedSize(screen.width(), height);
  view_->setFixedSize(screen.width() - kGridMargin, height - kHeightBelowGrid);
  move(screen.left() + (screen.width() - width()) / 2,
       screen.top() + (screen.height() - height) / 2);
}

// A show by the program numbers the rows afresh and reads the file; a restored window keeps
// what it shows.
void TGridFrm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  const trabeo::UnitSettings& units = context_.session.units();
  model_->grid().SetPlasticLabels(units.PlasticXLabel, units.PlasticYLabel);
  model_->grid().NumberRows();
  Reload();
}

void TGridFrm::Reload() {
  CommitOpenEditor();
  trabeo::LoadMiscGrid(model_->grid(), context_.session.StartFolder());
  model_->Refresh();
  FitColumns();
}

// Each value column at least its designed width, and wider where its heading or a value needs
// it, so that no value is cut short. The blank columns between groups stay as narrow as designed.
void TGridFrm::FitColumns() {
  for (int column = trabeo::kMiscRefColumn + 1; column < model_->columnCount(); ++column) {
    const trabeo::MiscGridColumn& designed =
        trabeo::MiscGridColumns()[static_cast<std::size_t>(column)];
    if (designed.heading.find_first_not_of(' ') == std::string_view::npos) continue;
    view_->resizeColumnToContents(column);
    view_->setColumnWidth(column, std::max(designed.width, view_->columnWidth(column)));
  }
}

// The header moved the row on screen; the grid moves it for good and the header goes back to
// showing the grid's order, so that what is saved is what is seen.
void TGridFrm::RowDragged(int fromVisual, int toVisual) {
  // The header's positions are the grid's rows: it shows them in order, the hidden heading and
  // unit rows first, and is put back in order after every drag.
  if (std::min(fromVisual, toVisual) >= trabeo::kMiscGridFirstSectionRow)
    model_->grid().MoveRow(fromVisual, toVisual);
  QHeaderView* numbers = view_->verticalHeader();
  {
    const QSignalBlocker blocker(numbers);
    numbers->moveSection(toVisual, fromVisual);
  }
  model_->Refresh();
}

// A cell still being typed in counts as typed.
void TGridFrm::CommitOpenEditor() {
  QItemSelectionModel* selection = view_->selectionModel();
  const QModelIndex current = selection->currentIndex();
  selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}

void TGridFrm::Save() {
  CommitOpenEditor();
  const std::filesystem::path& folder = context_.session.StartFolder();
  if (const auto question = trabeo::MiscSaveDropsRowsQuestion(folder)) {
    if (!context_.dialogs.AskYesNo(*question)) return;
  }
  trabeo::MiscSaveOutcome outcome;
  {
    BusyCursor busy;
    outcome = trabeo::SaveMiscGrid(model_->grid(), folder);
  }
  if (outcome.saved()) return;
  if (outcome.cell) {
    view_->setCurrentIndex(model_->index(outcome.cell->row, outcome.cell->column));
  }
  context_.dialogs.Message(outcome.message);
}
