#include "results/beam_report.h"

#include <cmath>

#include "results/report_drawings.h"
#include "results/report_text_pages.h"

namespace trabeo {
namespace {

// Page lines where the blocks start and the limits at which they move to a new page.
constexpr int kSummaryLine = 50;
constexpr int kTimberLine = 11;
constexpr int kSteelFirstLine = 10;
constexpr int kSteelFreshLine = 12;
constexpr int kSteelFullLine = 65;
constexpr int kCheckTextHeaderLimit = 45;
constexpr int kRestrainedTextLimit = 50;
constexpr int kTableLine = 10;
constexpr int kLoadTableLimit = 72;
constexpr int kIntervalLimit = 74;
constexpr int kIntervalHeadRoom = 30;  // keeps the heading with the first interval block
constexpr int kSteelSummaryLines = 15;
constexpr int kCheckHeaderLines = 8;
constexpr int kCheckTextScan = 50;  // lines searched for the last one in use

template <int Slots, int Capacity>
int CountOf(const TextStore<Slots, Capacity>& store) {
  return UsableCount(store.Count(), Slots);
}

void PrintSummary(TextPages& pages, const BeamReportInputs& in) {
  pages.UseBodyFont();
  const auto& summary = in.stores.SummaryPrintLines;
  for (int i = 1; i <= CountOf(summary); ++i)
    pages.PrintLine(kSummaryLine + i, summary[i]);
  if (IsSteelCode(in.project.model.DesignCode)) {
    const auto& steel = in.stores.SteelSummaryPrintLines();
    for (int i = 1; i <= kSteelSummaryLines; ++i)
      pages.PrintLine(kSummaryLine + i, steel[i]);
  }
}

// The check sections on the first lines below the header, then the timber section's result
// lines in two columns and a third group. When these would run off the paper they start a page
// of their own.
void PrintTimberPage(TextPages& pages, const BeamReportInputs& in) {
  pages.NewPage(kTimberLine);
  const auto& check = in.stores.TimberPrintLines;
  int n = CountOf(check);
  for (int i = 1; i <= n; ++i)
    pages.PrintLine(kTimberLine + i, check[i]);

  const auto& section = in.project.timber.TimberSummaryLines;
  const int c = CountOf(section);
  constexpr int kFirstColumnEnd = 14;
  constexpr int kSecondColumnEnd = 26;
  const int lowest = n + std::max(kSecondColumnEnd + 2, c + 3);
  if (lowest > pages.geometry().lastLine && n > 0) {
    pages.NewPage(kTimberLine);
    n = 0;
  }
  for (int i = 1; i <= kFirstColumnEnd; ++i)
    pages.PrintLineAt(n + 14 + i, 15, section[i]);
  for (int i = kFirstColumnEnd + 1; i <= kSecondColumnEnd; ++i)
    pages.PrintLineAt(n + 2 + i, 105, section[i]);
  for (int i = kSecondColumnEnd + 1; i <= c; ++i)
    pages.PrintLineAt(n + 3 + i, 50, section[i]);
}

bool HasLh(const BeamReportInputs& in) {
  return in.project.model.LhCantilever.IsPresent();
}
bool HasRh(const BeamReportInputs& in) {
  return in.project.model.RhCantilever.IsPresent();
}

// The span's restrained lengths: 1 + the number of intermediate restraints, at most the nine
// sections the listing has for them.
int RestrainedLengths(const SteelRestraints& restraints) {
  const double restraintCount = restraints.EffectiveLengths[9];
  if (!std::isfinite(restraintCount)) return 1;
  constexpr int kMostLengths = 9;
  return 1 + static_cast<int>(std::clamp(std::trunc(restraintCount), -1.0, kMostLengths - 1.0));
}

void PrintSteelSections(TextPages& pages, const BeamReportInputs& in) {
  const auto section = [&](int part) {
    const auto& store = in.stores.SteelListLines[static_cast<std::size_t>(part)];
    const int n = CountOf(store);
    pages.PrintSlots(store, 1, n, kSteelFreshLine);
    pages.Advance(n);
  };
  const int32_t restrained = in.project.restraints.IntermediateRestraints;
  if (HasLh(in)) section(0);
  if (restrained == 0) section(10);
  if (restrained == 1) {
    for (int part = 1; part <= RestrainedLengths(in.project.restraints); ++part) {
      section(part);
      if (pages.current() > kSteelFullLine) pages.NewPage(kSteelFreshLine);
    }
  }
  if (HasRh(in)) section(11);
}

using CheckBlock = TextStore<kCheckTextLines, kResultLineCapacity>;

int LastLineInUse(const CheckBlock& block) {
  for (int line = kCheckTextScan; line >= 1; --line) {
    if (!block[line].empty()) return line;
  }
  return 0;
}

void NewPageWhenBelow(TextPages& pages, int limit) {
  if (pages.current() > limit) pages.NewPage(kSteelFreshLine);
}

// Lines 1 ... used + 1 of a block, then one line more of space.
void PrintCheckBlock(TextPages& pages, const CheckBlock& block, int used) {
  pages.PrintSlots(block, 1, used + 1, kSteelFreshLine);
  pages.Advance(used + 2);
}

void PrintCheckText(TextPages& pages, const BeamReportInputs& in) {
  const auto& text = in.steel.CheckText;
  const auto block = [&](int m) -> const CheckBlock& { return text[static_cast<std::size_t>(m)]; };
  NewPageWhenBelow(pages, kCheckTextHeaderLimit);
  pages.PrintSlots(block(kCheckHeaderBlock), 1, kCheckHeaderLines, kSteelFreshLine);
  pages.Advance(kCheckHeaderLines + 1);
  if (HasLh(in)) PrintCheckBlock(pages, block(0), LastLineInUse(block(0)));
  NewPageWhenBelow(pages, kSteelFullLine);

  const int32_t restrained = in.project.restraints.IntermediateRestraints;
  if (restrained == 1) {
    NewPageWhenBelow(pages, kRestrainedTextLimit);
    constexpr int kRestrainedBlocks = 6;
    for (int m = 1; m <= kRestrainedBlocks; ++m) {
      // A block's count is in its line 0; an empty one takes no lines.
      const int count = UsableCount(block(m).Count(), kCheckTextLines - 1);
      if (count == 0) continue;
      NewPageWhenBelow(pages, kSteelFullLine);
      PrintCheckBlock(pages, block(m), count);
    }
  }
  if (restrained == 0) {
    NewPageWhenBelow(pages, kSteelFullLine);
    PrintCheckBlock(pages, block(10), LastLineInUse(block(10)));
  }
  if (HasRh(in)) {
    NewPageWhenBelow(pages, kSteelFullLine);
    PrintCheckBlock(pages, block(11), LastLineInUse(block(11)));
  }
}

// One table block: a new page first when `room` more lines would pass `limit`, then slots
// 1 ... c + 1 (c its count), and the current line moves on by `advance`.
template <int Slots, int Capacity>
void PrintTable(TextPages& pages, const TextStore<Slots, Capacity>& store, int room, int limit,
                int advance) {
  if (pages.current() + room > limit) pages.NewPage(kTableLine);
  pages.PrintSlots(store, 1, CountOf(store) + 1, kTableLine);
  pages.Advance(advance);
}

void PrintTablePages(TextPages& pages, const BeamReportInputs& in) {
  const ListingStores& s = in.stores;
  // Most blocks need room for their count of lines and leave one line after their last slot.
  const auto block = [&pages](const auto& store, int limit, int spacing) {
    const int c = CountOf(store);
    PrintTable(pages, store, c, limit, c + spacing);
  };
  pages.NewPage(kTableLine);
  if (in.drawnLoads.PointLoadDrawnCount > 0) block(s.PointTablePrintLines, kLoadTableLimit, 2);
  if (in.drawnLoads.UdlDrawnCount > 0) block(s.UdlTablePrintLines, kLoadTableLimit, 2);
  const int head = CountOf(s.IntervalHeadPrintLines);
  PrintTable(pages, s.IntervalHeadPrintLines, kIntervalHeadRoom, kIntervalLimit, head);
  if (HasLh(in)) block(s.LhIntervalPrintLines, kIntervalLimit, 2);
  block(s.SpanIntervalPrintLines, kIntervalLimit, 2);
  if (HasRh(in)) block(s.RhIntervalPrintLines, kIntervalLimit, 0);
}

}  // namespace

bool HasResultsToPrint(const BeamResults& results) {
  return results.ShearExtremes[0] != 0;
}

BeamReportOutcome PrintBeamReport(PrintJob& job, const BeamReportInputs& in,
                                  const HeaderSource& source) {
  if (!HasResultsToPrint(in.results)) return {false, kNothingToPrintMessage};
  if (!job.BeginDoc()) return {};
  const PrintHeader header = BeamPrintHeader(source);
  PrintPageHeader(job, header.texts, header.programTitle, header.dateTime);
  TextPages pages(job, header);
  DrawReportDiagrams(job.canvas(), pages.geometry(), in);
  PrintSummary(pages, in);

  const DesignCode code = in.project.model.DesignCode;
  if (code == DesignCode::BS5268) PrintTimberPage(pages, in);
  if (IsSteelCode(code)) {
    pages.NewPage(kSteelFirstLine);
    PrintSteelSections(pages, in);
    PrintCheckText(pages, in);
  }
  PrintTablePages(pages, in);
  job.EndDoc();
  return {true, {}};
}

}  // namespace trabeo
