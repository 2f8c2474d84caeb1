#pragma once

#include <string_view>

#include "platform/print_job.h"
#include "settings/page_header.h"
#include "steel/member_capacity/member_state.h"

namespace trabeo {

// "Print": the section data and the summaries in the first column, the x-x details in the
// second and the y-y details in the third, the bearing detail under the shorter of the two;
// then, when a combined calculation exists, a page of its own with the local capacity check in
// the first column and the overall buckling check in the second. Every page begins with the
// page header (the file name only when it is a ".trm" file); a column longer than a page goes
// on over the next. False when the printer could not be started.
bool PrintMemberCapacity(PrintJob& job, const MemberCapacityState& s, const HeaderTexts& header,
                         std::string_view programTitle, std::string_view dateTimeText);

}  // namespace trabeo
