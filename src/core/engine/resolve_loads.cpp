#include "engine/segment_loads.h"

namespace trabeo {
namespace {

// Working copy of the three lists before compaction: slot 0 is unused so that slot r belongs to
// load row r, and triangles go to slots 27 upwards.
struct RawSlots {
  std::array<std::array<SegmentLoad, kSegmentSlots + 1>, 3> slots{};
  std::array<std::array<bool, kSegmentSlots + 1>, 3> used{};

  SegmentLoad& Put(int segment, int slot) {
    used[static_cast<std::size_t>(segment)][static_cast<std::size_t>(slot)] = true;
    return slots[static_cast<std::size_t>(segment)][static_cast<std::size_t>(slot)];
  }
};

struct RowValues {
  double x, u, v, c;
};

SegmentLoad PointPiece(const LoadRecord& row, double offset) {
  SegmentLoad piece;
  piece.LoadType = kPointLoad;
  piece.Offset = offset;
  piece.Intensity = row.Intensity;
  piece.Factor = row.Factor;
  piece.Applied = row.Applied;
  return piece;
}

SegmentLoad DistributedPiece(const LoadRecord& row, double offset, double start, double finish,
                             double cover) {
  SegmentLoad piece;
  piece.LoadType = kGeneralTrapezoid;
  piece.Offset = offset;
  piece.Intensity = start;
  piece.EndIntensity = finish;
  piece.Cover = cover;
  piece.Factor = row.Factor;
  piece.Applied = row.Applied;
  return piece;
}

struct Geometry {
  double tol, Lc, L, A, B, Lr;
  bool lhPresent, rhPresent;
};

void ResolveOnLhCantilever(const Geometry& g, const LoadRecord& row, const RowValues& r, int slot,
                           RawSlots& raw) {
  if (!g.lhPresent) return;
  if (row.Kind == kPointLoadKind) {
    if (r.x < g.Lc - g.tol) raw.Put(kLhSegment, slot) = PointPiece(row, r.x);
  } else if (r.x + r.c <= g.Lc) {
    raw.Put(kLhSegment, slot) = DistributedPiece(row, r.x, r.u, r.v, r.c);
  } else if (r.x < g.Lc && g.Lc < r.x + r.c) {
    raw.Put(kLhSegment, slot) =
        DistributedPiece(row, r.x, r.u, r.u + (r.v - r.u) * (g.Lc - r.x) / r.c, g.Lc - r.x);
  }
}

void ResolveOnSpan(const Geometry& g, const LoadRecord& row, const RowValues& r, int slot,
                   RawSlots& raw, ResolvedLoads& out) {
  const double A = g.A;
  const double B = g.B;
  if (row.Kind == kPointLoadKind) {
    if (A + g.tol < r.x && r.x < B - g.tol) {
      raw.Put(kSpanSegment, slot) = PointPiece(row, r.x - A);
      return;
    }
    const float factored = static_cast<float>(static_cast<double>(row.Intensity) * row.Factor);
    if (A - g.tol <= r.x && r.x <= A + g.tol)
      out.SupportPointLoads[0][static_cast<std::size_t>(slot - 1)] = factored;
    if (B - g.tol <= r.x && r.x <= B + g.tol)
      out.SupportPointLoads[1][static_cast<std::size_t>(slot - 1)] = factored;
    return;
  }
  const double end = r.x + r.c;
  if (r.x < A && A < end && end <= B) {
    raw.Put(kSpanSegment, slot) =
        DistributedPiece(row, 0, r.v - (r.v - r.u) * (end - A) / r.c, r.v, end - A);
  } else if (r.x < A && end > B) {
    raw.Put(kSpanSegment, slot) = DistributedPiece(row, 0, r.u + (r.v - r.u) * (A - r.x) / r.c,
                                                   r.v - (r.v - r.u) * (end - B) / r.c, g.L);
  } else if (A <= r.x && end <= B) {
    raw.Put(kSpanSegment, slot) = DistributedPiece(row, r.x - A, r.u, r.v, r.c);
  } else if (A <= r.x && r.x < B && B < end) {
    raw.Put(kSpanSegment, slot) =
        DistributedPiece(row, r.x - A, r.u, r.u + (r.v - r.u) * (B - r.x) / r.c, B - r.x);
  }
}

void ResolveOnRhCantilever(const Geometry& g, const LoadRecord& row, const RowValues& r, int slot,
                           RawSlots& raw) {
  if (!g.rhPresent) return;
  const double B = g.B;
  const double end = r.x + r.c;
  if (row.Kind == kPointLoadKind) {
    if (B + g.tol < r.x && r.x <= B + g.Lr) raw.Put(kRhSegment, slot) = PointPiece(row, r.x - B);
  } else if (r.x <= B && B < end) {
    raw.Put(kRhSegment, slot) =
        DistributedPiece(row, 0, r.v - (r.v - r.u) * (end - B) / r.c, r.v, end - B);
  } else if (B < r.x && end <= B + g.Lr) {
    raw.Put(kRhSegment, slot) = DistributedPiece(row, r.x - B, r.u, r.v, r.c);
  }
  // A distributed load starting on the cantilever and running past its end is not taken.
}

// Exact comparisons of the two rates decide the shape.
void Classify(SegmentLoad& piece) {
  if (piece.LoadType == kPointLoad) return;
  piece.LoadType = kGeneralTrapezoid;
  if (piece.Intensity == piece.EndIntensity) {
    piece.LoadType = kUniformLoad;
  } else if (piece.Intensity == 0 && piece.EndIntensity != 0) {
    piece.LoadType = kRisingLoad;
  } else if (piece.EndIntensity == 0 && piece.Intensity != 0) {
    piece.LoadType = kFallingLoad;
  }
}

// A trapezoid becomes a uniform load at its start rate plus a triangle rising by the difference
// (the rise may be negative), appended after the primary slots.
void SplitTrapezoids(RawSlots& raw, int segment) {
  auto& slots = raw.slots[static_cast<std::size_t>(segment)];
  const auto& used = raw.used[static_cast<std::size_t>(segment)];
  int nextFree = kLoadRows + 1;
  for (int slot = 1; slot <= kLoadRows; ++slot) {
    SegmentLoad& piece = slots[static_cast<std::size_t>(slot)];
    if (!used[static_cast<std::size_t>(slot)] || piece.LoadType != kGeneralTrapezoid) continue;
    SegmentLoad triangle = piece;
    triangle.LoadType = kRisingLoad;
    triangle.Intensity = 0;
    triangle.EndIntensity = piece.EndIntensity - piece.Intensity;
    piece.LoadType = kUniformLoad;
    piece.EndIntensity = piece.Intensity;
    raw.Put(segment, nextFree++) = triangle;
  }
}

double ThroughSingle(double value) {
  return static_cast<float>(value);
}

SegmentLoadList Compact(const RawSlots& raw, int segment) {
  SegmentLoadList list;
  const auto& slots = raw.slots[static_cast<std::size_t>(segment)];
  for (int slot = 1; slot <= kSegmentSlots; ++slot) {
    const SegmentLoad& piece = slots[static_cast<std::size_t>(slot)];
    if ((piece.Intensity == 0 && piece.EndIntensity == 0) || piece.Applied != 1.0) continue;
    list.slots[static_cast<std::size_t>(list.count++)] = {
        ThroughSingle(piece.LoadType),  ThroughSingle(piece.Offset),
        ThroughSingle(piece.Intensity), ThroughSingle(piece.EndIntensity),
        ThroughSingle(piece.Cover),     ThroughSingle(piece.Factor),
        ThroughSingle(piece.Applied)};
  }
  return list;
}

// The LH list is held with offsets measured leftwards from the LH support and the near end at
// the support side.
void MirrorLhLoads(SegmentLoadList& list, double Lc) {
  for (int i = 0; i < list.count; ++i) {
    SegmentLoad& load = list.slots[static_cast<std::size_t>(i)];
    load.Offset = Lc - load.Offset - load.Cover;
    if (load.LoadType == kPointLoad) continue;
    std::swap(load.Intensity, load.EndIntensity);
    if (load.LoadType == kRisingLoad) {
      load.LoadType = kFallingLoad;
    } else if (load.LoadType == kFallingLoad) {
      load.LoadType = kRisingLoad;
    }
  }
}

float SumAppliedLoad(const LoadTable& table) {
  float total = 0;
  for (const LoadRecord& row : table.rows) {
    if (!row.IsApplied()) continue;
    if (row.Kind == kPointLoadKind) {
      total = static_cast<float>(total + static_cast<double>(row.Intensity) * row.Factor);
    } else if (row.Kind == kDistributedLoadKind) {
      const double rate = (static_cast<double>(row.Intensity) + row.EndIntensity) / 2;
      total = static_cast<float>(total + rate * row.Cover * row.Factor);
    }
  }
  return total;
}

}  // namespace

ResolvedLoads ResolveLoads(const BeamModel& model) {
  Geometry g{};
  g.lhPresent = model.LhCantilever.IsPresent();
  g.rhPresent = model.RhCantilever.IsPresent();
  g.tol = 0.0001 * model.TotalLength;
  g.Lc = g.lhPresent ? model.LhCantilever.Length : 0.0;
  g.L = model.MainSpan.Length;
  g.A = g.Lc;
  g.B = g.Lc + g.L;
  g.Lr = model.RhCantilever.Length;

  ResolvedLoads out;
  RawSlots raw;
  for (int slot = 1; slot <= kLoadRows; ++slot) {
    const LoadRecord& row = model.Loads.row(slot);
    if (!row.IsApplied()) continue;
    if (row.Kind != kPointLoadKind && row.Kind != kDistributedLoadKind) continue;
    const RowValues values{row.Position, row.Intensity, row.EndIntensity, row.Cover};
    ResolveOnLhCantilever(g, row, values, slot, raw);
    ResolveOnSpan(g, row, values, slot, raw, out);
    ResolveOnRhCantilever(g, row, values, slot, raw);
  }

  for (int segment = kLhSegment; segment <= kRhSegment; ++segment) {
    for (int slot = 1; slot <= kLoadRows; ++slot) {
      if (raw.used[static_cast<std::size_t>(segment)][static_cast<std::size_t>(slot)]) {
        Classify(raw.slots[static_cast<std::size_t>(segment)][static_cast<std::size_t>(slot)]);
      }
    }
    SplitTrapezoids(raw, segment);
    out.lists[static_cast<std::size_t>(segment)] = Compact(raw, segment);
  }
  MirrorLhLoads(out.lists[kLhSegment], g.Lc);
  out.TotalAppliedLoad = SumAppliedLoad(model.Loads);
  return out;
}

}  // namespace trabeo
