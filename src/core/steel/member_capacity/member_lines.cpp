#include "steel/member_capacity/member_state.h"

#include "fileio/fixed_text.h"

namespace trabeo {

template <int N>
void MemberLines<N>::Add(std::string_view text) {
  if (count < 0) count = 0;
  if (count >= N) return;
  lines[static_cast<std::size_t>(count)] = CutToCapacity(text, kMemberLineCapacity);
  ++count;
}

template <int N>
void MemberLines<N>::Clear() {
  lines.fill(std::string());
  count = 0;
}

template <int N>
std::vector<std::string> MemberLines<N>::InUse() const {
  const int used = count < 0 ? 0 : (count > N ? N : count);
  return {lines.begin(), lines.begin() + used};
}

template struct MemberLines<kMemberDetailLines>;
template struct MemberLines<kMemberSummaryLines>;

}  // namespace trabeo
