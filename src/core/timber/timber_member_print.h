#pragma once

#include <string_view>

#include "platform/print_job.h"
#include "settings/page_header.h"
#include "timber/timber_member_window.h"

namespace trabeo {

// "Print" of the timber member window: one page under the page header, the section block, the
// axial block and the summary in the left column, the bending and combined blocks in the right
// one, lines 3.75 mm apart in Arial 9. Nothing is printed while the section block has neither an
// effective length nor an area (no calculation yet). False when nothing was printed.
bool PrintTimberMember(PrintJob& job, const TimberMemberWindow& window, const HeaderTexts& header,
                       std::string_view programTitle, std::string_view dateTimeText);

}  // namespace trabeo
