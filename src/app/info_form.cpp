#include "app/info_form.h"

#include "app/form_keys.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr const char* kInformation =
    "<h3>Trabeo Professional</h3>"
    "<p>Analysis of a single-span beam between two supports, each pinned or fixed against "
    "rotation, with an optional cantilever beyond each support.</p>"
    "<p><b>Beam analysis.</b> Input &gt; Beam sets the span, the cantilevers, the end fixity, the "
    "section (picked from the section tables, typed as E and Ixx, or sized as timber), the steel "
    "grade and the design code. Input &gt; Loads takes up to 25 point loads and linearly varying "
    "distributed loads, each with an optional load factor, and the self weight of a steel "
    "section. The analysis gives the reactions and the shear, moment and deflection along the "
    "beam, draws the diagrams and writes the results listing.</p>"
    "<p><b>Sign conventions.</b> Downward loads are positive. Moments are shown sagging "
    "positive and deflections upward positive. Shear and moment use the factored loads, "
    "deflections the unfactored loads.</p>"
    "<p><b>Units.</b> Settings &gt; Preferences chooses the units in which values are typed and "
    "shown (metric and imperial). Inside the program every value is held in millimetres and "
    "newtons.</p>"
    "<p><b>Layouts.</b> The Tile menu gives the diagrams and the listing more or less of the "
    "window.</p>";

}  // namespace

TInfoFrm::TInfoFrm(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("InfoFrm");
  setWindowTitle("Information");
  auto* layout = new QVBoxLayout(this);
  auto* text = new QTextBrowser(this);
  text->setObjectName("Memo_Info");
  text->setHtml(kInformation);
  layout->addWidget(text);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdOK");
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &QWidget::hide);
  SetDefaultButton(this, ok);
  HideOnEscape(this);
  resize(520, 420);
}
