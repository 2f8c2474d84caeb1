#pragma once

#include <string>
#include <string_view>

#include "calculators/calculator_run.h"
#include "platform/print_job.h"
#include "settings/report_page.h"

namespace trabeo {

// "Print" of a calculator window: one page under the page header (which names no file), the
// title in Arial 11 and every other line in Arial 10, all 150 dots from the left, page line k at
// trunc(dpi / 25.4 x 4 x k) so that lines stand 4 mm apart. Each window has its own line
// numbers. False when the printer cannot start.
bool PrintCalculatorSheet(PrintJob& job, const CalculatorSheet& sheet, std::string_view description,
                          const HeaderSource& header);

// "Copy to Clipboard": the title, the description and the window's lines, each followed by one
// or two carriage returns as the window groups them, then the grade and class lines. Lines are
// separated by carriage returns alone.
std::string CalculatorClipboardText(const CalculatorSheet& sheet, std::string_view description);

// "TUBE SECTION PROPERTIES" and so on.
std::string_view CalculatorTitle(CalculatorShape shape);

}  // namespace trabeo
