#!/usr/bin/env python3
"""Generates the catalogue tables src/core/sections/catalogue/*_table.cpp.

Each table is a plain list of the sections of one catalogue file, in file order. Its numbers are
the published values of the series' table (see catalogue_sources.py for the sources) and, where
the catalogue takes a column from the section property calculators or no value is published,
what the program's own calculators compute, run through section_properties.cpp. Computed values
are rounded to five significant figures. The one complete row of each file given in
complete_rows.py replaces the row for that section.

Usage (from the repository root, after building the core library):
    tools/catalogue/generate_catalogue.py --data ../shared/section-data \\
        --core-lib build/src/core/libtrabeo_core.a [--series UB.sct ...]
"""

import argparse
import json
import math
import subprocess
import sys
import tempfile
from pathlib import Path

import catalogue_sources as sources
from catalogue_sequences import SEQUENCES
from complete_rows import COMPLETE_ROWS

REPO = Path(__file__).resolve().parents[2]
OUT = REPO / "src/core/sections/catalogue"


# --- numbers ---

def significant(value, figures=5):
    if value == 0 or not math.isfinite(value):
        return 0.0
    return float(f"{value:.{figures}g}")


def literal(value, figures=6):
    """A C++ literal for the value, to the given significant figures, without an exponent."""
    value = significant(value, figures)
    if value == 0:
        return "0"
    decimals = max(0, figures - 1 - math.floor(math.log10(abs(value))))
    text = f"{value:.{decimals}f}"
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return text


# --- the calculators ---

class Calculators:
    """Runs the program's section property calculators through section_properties.cpp."""

    def __init__(self, core_lib, source_root):
        self.exe = Path(tempfile.mkdtemp()) / "section_properties"
        subprocess.run(
            ["g++", "-std=c++20", "-O1", f"-I{Path(source_root) / 'src/core'}",
             str(Path(__file__).with_name("section_properties.cpp")), str(core_lib),
             "-o", str(self.exe)], check=True)

    def run(self, requests, refusals=None):
        """requests: list of (shape, values); returns one dict per request. A request the
        calculator refuses raises, unless refusals is a list: then its result is None and
        the calculator's message is appended there."""
        text = "".join(shape + " " + " ".join(repr(float(v)) for v in values) + "\n"
                       for shape, values in requests)
        done = subprocess.run([str(self.exe)], input=text, capture_output=True, text=True,
                              check=True)
        results = [json.loads(line) for line in done.stdout.splitlines()]
        for i, ((shape, values), result) in enumerate(zip(requests, results)):
            if "error" in result:
                if refusals is None:
                    raise RuntimeError(f"{shape} {values}: {result['error']}")
                refusals.append(result["error"])
                results[i] = None
        return results


# --- rows ---

IBEAM_COLUMNS = ["D", "B", "t", "T", "r1", "r2", "WebDepth", "Area", "Ixx", "Iyy", "Rx", "Ry", "K",
                 "TorsionFibre", "Sxx", "Syy", "u", "x", "H"]
CHANNEL_COLUMNS = ["D", "B", "t", "T", "r1", "r2", "FlgAngle", "WebDepth", "Area", "Ixx", "Iyy",
                   "Rx", "Ry", "Cy", "ExtremeX", "K", "TorsionFibre", "Cs", "Sxx", "Syy", "u",
                   "x", "H", "Extra"]
ANGLE_COLUMNS = ["D", "B", "t", "r1", "r2", "Area", "Ixx", "Iyy", "Rx", "Ry", "Cx", "Cy",
                 "ExtremeX", "ExtremeY", "Iuu", "Ivv", "Ru", "Rv", "Alpha", "K", "TorsionFibre"]
BOX_COLUMNS = ["D", "B", "t", "Area", "Ixx", "Iyy", "Rx", "Ry", "K", "TorsionFibre", "Sxx", "Syy"]
TUBE_COLUMNS = ["D", "t", "Area", "I", "R", "K", "S"]

# Record field names of the complete rows that map onto the row columns.
COMPLETE_FIELD = {"r1": "RootRad", "r2": "ToeRad", "D": "Depth", "B": "Width", "t": "WebThk",
                  "T": "FlgThk", "I": "Ixx", "R": "Rx", "S": "Sxx"}


def radius(moment, area):
    return significant(math.sqrt(moment / area)) if area > 0 else 0.0


def complete_row(file, name, columns):
    values = COMPLETE_ROWS[(file, name)]
    return {c: float(values.get(COMPLETE_FIELD.get(c, c), "0")) for c in columns}


class Row:
    def __init__(self, name, values=None, note=""):
        self.name, self.values, self.note = name, values, note


def build_rows(file, columns, found, compute):
    """compute(names, sections) -> {name: values}; separators and unknown sections kept."""
    names = [n for n in SEQUENCES[file] if n]
    wanted = [n for n in names if n in found and (file, n) not in COMPLETE_ROWS]
    computed = compute(wanted, [found[n] for n in wanted]) if wanted else {}
    rows = []
    for name in SEQUENCES[file]:
        if name is None:
            rows.append(None)
        elif (file, name) in COMPLETE_ROWS:
            rows.append(Row(name, complete_row(file, name, columns), "complete row as listed"))
        elif isinstance(computed.get(name), str):
            rows.append(Row(name, None, computed[name]))
        elif name in computed:
            rows.append(Row(name, computed[name], found[name].note))
        else:
            rows.append(Row(name, None, "no published data available"))
    return rows


# --- series ---

def beam_series(calc, u_published):
    def compute(names, sections):
        results = calc.run([("ibeam", [s.dims[k] for k in ("D", "B", "t", "T", "r1")])
                            for s in sections])
        out = {}
        for name, s, r in zip(names, sections, results):
            v = dict(s.dims, r2=0.0)
            v["WebDepth"] = significant(r["WebDepth"], 6)
            for key in ("Area", "Ixx", "Iyy", "K", "TorsionFibre", "H", "x"):
                v[key] = significant(r[key])
            for key in ("Sxx", "Syy"):
                v[key] = s.published.get(key, significant(r[key]))
            v["u"] = s.published["u"] if u_published else significant(r["u"])
            v["Rx"], v["Ry"] = radius(v["Ixx"], v["Area"]), radius(v["Iyy"], v["Area"])
            out[name] = v
        return out
    return compute


def box_series(calc):
    def compute(names, sections):
        results = calc.run([("box", [s.dims["D"], s.dims["B"], s.dims["t"]]) for s in sections])
        out = {}
        for name, s, r in zip(names, sections, results):
            v = dict(s.dims)
            for key in ("Area", "Ixx", "Iyy", "K", "TorsionFibre", "Sxx", "Syy"):
                v[key] = significant(r[key])
            v["Rx"], v["Ry"] = radius(v["Ixx"], v["Area"]), radius(v["Iyy"], v["Area"])
            out[name] = v
        return out
    return compute


def tube_series(calc):
    def compute(names, sections):
        results = calc.run([("tube", [s.dims["D"], s.dims["t"]]) for s in sections])
        out = {}
        for name, s, r in zip(names, sections, results):
            v = dict(s.dims, Area=significant(r["Area"]), I=significant(r["Ixx"]),
                     K=significant(r["K"]), S=significant(r["Sxx"]))
            v["R"] = radius(v["I"], v["Area"])
            out[name] = v
        return out
    return compute


def joist_series(calc):
    def compute(names, sections):
        results = calc.run([("joist", [s.dims[k] for k in ("D", "B", "t", "T", "r1", "r2")] + [8.0])
                            for s in sections])
        out = {}
        for name, s, r in zip(names, sections, results):
            v = dict(s.dims)
            v["WebDepth"] = s.published.get("WebDepth", significant(r["WebDepth"]))
            for key in ("Area", "Ixx", "Iyy", "K", "TorsionFibre", "Sxx", "Syy", "u", "x", "H"):
                v[key] = significant(r[key])
            v["Rx"], v["Ry"] = radius(v["Ixx"], v["Area"]), radius(v["Iyy"], v["Area"])
            out[name] = v
        return out
    return compute


def channel_angle(file, name):
    """Flange taper of the channel files, degrees."""
    if file == "RSC.sct":
        return sources.RSC_TAPER_DEGREES
    if file == "UPN.sct":
        size = int(name.split()[1])
        return 4.574 if size <= 300 else 2.8624
    if file == "C.sct":
        return 9.462
    return 0.0


def channel_series(file):
    """Published properties where the table has them; the rest from the channel calculator.

    The shear centre distance Cs (from the centroid) is the published one, or follows from the
    published eo (from the web centre line) as eo + Cy - t/2.
    """
    def series(calc):
        def compute(names, sections):
            requests = [("channel", [s.dims[k] for k in ("D", "B", "t", "T", "r1", "r2")]
                         + [channel_angle(file, n)]) for n, s in zip(names, sections)]
            refusals = []
            results = calc.run(requests, refusals)
            out = {}
            for name, s, r in zip(names, sections, results):
                if r is None:
                    out[name] = (f"no published properties, and the channel calculator refuses "
                                 f"the published radii ({refusals.pop(0)})")
                    continue
                v = dict(s.dims, FlgAngle=channel_angle(file, name))
                for key in ("WebDepth", "Area", "Ixx", "Iyy", "K", "TorsionFibre", "Sxx", "Syy",
                            "u", "x", "H"):
                    v[key] = s.published.get(key, significant(r[key]))
                if file == "PFC.sct":
                    v["WebDepth"] = significant(s.dims["D"] - 2 * s.dims["T"] - 2 * s.dims["r1"], 6)
                cy = s.published.get("Cy", r["Cy"])
                v["Cy"] = significant(cy)
                v["ExtremeX"] = significant(s.dims["B"] - cy)
                v["Extra"] = significant(r["Ceq"])
                if "Cs" in s.published:
                    v["Cs"] = s.published["Cs"]
                elif "e0" in s.extra:
                    v["Cs"] = significant(s.extra["e0"] + cy - s.dims["t"] / 2)
                else:
                    v["Cs"] = significant(r["Cs"])
                v["Rx"], v["Ry"] = radius(v["Ixx"], v["Area"]), radius(v["Iyy"], v["Area"])
                out[name] = v
            return out
        return compute
    return series


def c_shape_series(calc):
    """AISC publishes everything but u and x (computed from the published properties with the
    calculators' formulas), the fillet radii (r1 = kdes - tf, a square toe) and the torsion
    fibre, which the channel calculator gives from the dimensions."""
    def compute(names, sections):
        results = calc.run([("ux", [s.published[k] for k in ("Sxx", "Area", "Ixx", "Iyy", "H",
                                                              "K")]) for s in sections])
        refusals = []
        fibres = calc.run([("channel", [s.dims[k] for k in ("D", "B", "t", "T", "r1", "r2")]
                            + [channel_angle("C.sct", n)]) for n, s in zip(names, sections)],
                          refusals)
        out = {}
        for name, s, r, f in zip(names, sections, results, fibres):
            p = s.published
            if f is None:
                s.note = (f"torsion fibre unknown: the channel calculator refuses "
                          f"({refusals.pop(0)})")
            v = dict(s.dims, FlgAngle=channel_angle("C.sct", name),
                     TorsionFibre=significant(f["TorsionFibre"]) if f else 0.0,
                     u=significant(r["u"]), x=significant(r["x"]))
            for key in ("WebDepth", "Area", "Ixx", "Iyy", "Cy", "K", "Cs", "Sxx", "Syy", "H",
                        "Extra"):
                v[key] = p[key]
            v["ExtremeX"] = significant(s.dims["B"] - p["Cy"])
            v["Rx"], v["Ry"] = radius(v["Ixx"], v["Area"]), radius(v["Iyy"], v["Area"])
            out[name] = v
        return out
    return compute


ANGLE_PROPERTIES = ("Area", "Ixx", "Iyy", "Cx", "Cy", "Iuu", "Ivv", "Alpha", "K")


def angle_series(calc):
    """Published properties and the torsion fibre from the angle calculator; a section published
    with its dimensions only takes every property from the calculator."""
    def compute(names, sections):
        refusals = []
        results = calc.run([("angle", [s.dims[k] for k in ("D", "B", "t", "r1", "r2")])
                            for s in sections], refusals)
        out = {}
        for name, s, r in zip(names, sections, results):
            published = s.published
            if not published:
                if r is None:
                    out[name] = (f"dimensions only, and the angle calculator refuses them "
                                 f"({refusals.pop(0)})")
                    continue
                published = {k: significant(r[k]) for k in ANGLE_PROPERTIES}
            v = dict(s.dims, **published)
            if r is None:
                # Only the torsion fibre comes from the calculator: it stays unknown (0).
                s.note = (f"torsion fibre unknown: the angle calculator refuses the published "
                          f"radii ({refusals.pop(0)})")
                v["TorsionFibre"] = 0.0
            else:
                v["TorsionFibre"] = significant(r["TorsionFibre"])
            v["Rx"], v["Ry"] = radius(v["Ixx"], v["Area"]), radius(v["Iyy"], v["Area"])
            v["Ru"], v["Rv"] = radius(v["Iuu"], v["Area"]), radius(v["Ivv"], v["Area"])
            v["ExtremeX"] = significant(s.dims["B"] - v["Cy"])
            v["ExtremeY"] = significant(s.dims["D"] - v["Cx"])
            out[name] = v
        return out
    return compute


SERIES = {
    # file: (table file stem, row kind, columns, reader, series builder, source comment)
    "UB.sct": ("ub", "IBeamRow", IBEAM_COLUMNS, sources.universal_beams,
               lambda c: beam_series(c, True),
               "SCI, Steelwork design guide to BS 5950-1 (\"Blue Book\"), universal beams: D, B, "
               "t, T, r, Sxx, Syy and u as published (EC3/UK NA edition, BS 4-1 sizes)."),
    "UC.sct": ("uc", "IBeamRow", IBEAM_COLUMNS, sources.universal_columns,
               lambda c: beam_series(c, True),
               "SCI Blue Book, universal columns: D, B, t, T, r, Sxx, Syy and u as published."),
    "IPE.sct": ("ipe", "IBeamRow", IBEAM_COLUMNS, sources.ipe_beams,
                lambda c: beam_series(c, False),
                "ArcelorMittal sections catalogue, IPE: D, B, t, T, r, Sxx and Syy as published; "
                "u computed (the catalogue's U column is not BS 5950's u). IPE R and the IPE 750 "
                "sections without published properties: D, B, t, T from the FreeCAD profile "
                "list, all properties computed."),
    "HE.sct": ("he", "IBeamRow", IBEAM_COLUMNS, sources.he_beams,
               lambda c: beam_series(c, False),
               "ArcelorMittal sections catalogue, HE AA/A/B/C/M: D, B, t, T, r, Sxx and Syy as "
               "published; u computed."),
    "WsBeam.sct": ("ws_beam", "IBeamRow", IBEAM_COLUMNS, sources.w_shapes,
                   lambda c: beam_series(c, False),
                   "AISC Shapes Database v15.0 (SI): d, bf, tw, tf, r = kdes - tf, Sxx = Zx and "
                   "Syy = Zy as published; u computed. The W36 x 16-1/2 shapes, withdrawn from "
                   "it, come from the AISC historic shapes database v15.0H in its LRFD 3rd "
                   "edition, converted from inches at 25.4 mm: that edition, like v15.0, lists "
                   "the decimal design dimensions and the design k, so r = k - tf as for the "
                   "other rows (the LRFD 2nd edition's k is the detailing value, rounded up to "
                   "1/16 in). Other shapes no longer in the database have no data."),
    "WsCol.sct": ("ws_col", "IBeamRow", IBEAM_COLUMNS, sources.w_shapes,
                  lambda c: beam_series(c, False),
                  "AISC Shapes Database v15.0 (SI), as for the W beam shapes."),
    "RSJ.sct": ("rsj", "IBeamRow", IBEAM_COLUMNS, sources.joists, joist_series,
                "Joists: D, B, t, T, r1, r2 and d of the BS 5950 Blue Book (7th edition, as "
                "listed by cad-steel.co.uk); 89 x 89 x 19 and 102 x 44 x 7 from EN 10365:2017. "
                "No properties are published: all from the joist calculator (flange taper 8 "
                "degrees)."),
    "RSC.sct": ("rsc", "ChannelRow", CHANNEL_COLUMNS, sources.old_channels,
                channel_series("RSC.sct"),
                "Tapered-flange channels of the old BS 4 imperial range, under the file's own "
                "designations: D, B, t, T, r1, r2, the depth between fillets and the area from the CH "
                "rows of EN 10365:2017, which publishes no other property: the others from the "
                "channel calculator with the flange slope of 5 degrees that the file gives every "
                "row (that of BS 4 channels; EN 10365 gives none), Rx and Ry from them and the "
                "published area. EN 10365's toe radius (about r1 / 2) is "
                "larger than the flange tip the calculator models allows (r2 <= T - B tan 5 / 2) "
                "on all but 203 x 89 and 432 x 102; there the toe radius is the largest tenth of "
                "a millimetre below that limit, the nearest to the published one (a toe fillet "
                "takes only 0.215 r2^2 off each tip: the area rises by at most 0.55 %). On "
                "305 x 89, 305 x 102 and 381 x 102 the root radius also exceeds the "
                "calculator's limit T + t and is likewise the largest tenth below it (the area "
                "falls by at most 0.6 %). A radius is kept at least 0.01 mm below its limit so "
                "that the row, held in single precision, is still accepted when read back. Each "
                "row names the radius it changed. Judged by the calculator's change over a like "
                "step below the radii taken, the published toe radii would give Iyy up to about "
                "3 % lower, Syy, Cy and Cs up to 2 % lower and the other properties within 1 %; "
                "the published root radii K up to about 4 % and the torsion fibre 1.6 % higher, "
                "the other properties within 1.5 %. The calculator's areas lie 1.1 to 2.9 % above "
                "EN 10365's A, so its second moments and moduli may be high by about as much. The row given in full, "
                "76 x 38, has EN 10365's D, B, t and T but the BS 4 radii 7.6 and 2.4 (EN 10365: "
                "12 and 6)."),
    "PFC.sct": ("pfc", "ChannelRow", CHANNEL_COLUMNS, sources.parallel_flange_channels,
                channel_series("PFC.sct"),
                "SCI Blue Book, parallel flange channels: dimensions, A, I, S, u, x, H, K and eo "
                "as published; Cy, Ceq and the torsion fibre from the channel calculator, "
                "Cs = eo + Cy - t/2."),
    "UPN.sct": ("upn", "ChannelRow", CHANNEL_COLUMNS, sources.upn_channels,
                channel_series("UPN.sct"),
                "ArcelorMittal sections catalogue, UPN: dimensions, d, A, I, S, u, x, H, K and "
                "eo as published; Cy, Ceq and the torsion fibre from the channel calculator, "
                "Cs = eo + Cy - t/2. U 40 x 20, U 50 x 25, U 60: EN 10365:2017 dimensions, all "
                "properties computed. U 30 x 15, U 30, U 40: DIN 1026-1 (as listed by "
                "eng-calculations.com): dimensions, A, I, ey (Cy) and xM (Cs) as published, the "
                "rest from the channel calculator; their flange slope is not given there and "
                "is taken as 4.574 degrees (8 %), the slope of DIN 1026-1 channels up to U 300 "
                "and of this file's other rows of that depth."),
    "EqRSA.sct": ("eq_rsa", "AngleRow", ANGLE_COLUMNS, sources.rsa_angles, angle_series,
                  "EN 10056-1 equal angles, SCI Blue Book values (ArcelorMittal where the Blue "
                  "Book has no such size): all as published; the torsion fibre from the angle "
                  "calculator. 30 x 30 x 5 and 40 x 40 x 3: EN 10056 dimensions and radii of "
                  "the FreeCAD library, every property from the angle calculator."),
    "UnEqRSA.sct": ("un_eq_rsa", "AngleRow", ANGLE_COLUMNS, sources.rsa_angles, angle_series,
                    "EN 10056-1 unequal angles, SCI Blue Book values: all as published (alpha "
                    "from tan alpha); the torsion fibre from the angle calculator. 65 x 50 x 6 "
                    "and 65 x 50 x 8: EN 10056 dimensions and radii of the FreeCAD library "
                    "(6.5 and 3.5, where 65 x 50 x 5 lists 6 and 3), every property from the "
                    "angle calculator."),
    "EqL.sct": ("eq_l", "AngleRow", ANGLE_COLUMNS, sources.l_equal_angles, angle_series,
                "Equal L angles, ArcelorMittal sections catalogue (SCI Blue Book for sizes it "
                "lacks): all as published; the torsion fibre from the angle calculator."),
    "UnEqL.sct": ("un_eq_l", "AngleRow", ANGLE_COLUMNS, sources.l_unequal_angles, angle_series,
                  "Unequal L angles, ArcelorMittal sections catalogue, else SCI Blue Book: all "
                  "as published; the torsion fibre from the angle calculator. Sizes those "
                  "tables lack: EN 10056 / DIN 1029 dimensions and radii of the FreeCAD library "
                  "or of Blueprints (each row names its source), every property from the angle "
                  "calculator; where the two disagree on the radii (L 50 x 30 x 4, L 100 x 50 x "
                  "10) the radii of the same legs' other thicknesses in this file are taken."),
    "RHS.sct": ("rhs", "BoxRow", BOX_COLUMNS, sources.rectangular_hollow, box_series,
                "Sizes of EN 10210-2 / EN 10219-2 (BS 4848-2) hollow sections; all properties "
                "from the box calculator."),
    "CHS.sct": ("chs", "TubeRow", TUBE_COLUMNS, sources.circular_hollow, tube_series,
                "Sizes of Tata Steel Celsius CHS (EN 10210-2); all properties from the tube "
                "calculator (they agree with Tata's BS 5950 values)."),
    "C.sct": ("c", "ChannelRow", CHANNEL_COLUMNS, sources.c_shapes, c_shape_series,
              "AISC Shapes Database v15.0 (SI), C shapes: d, bf, tw, tf, A, Ix, Iy, x (Cy), "
              "eo + x (Cs), Zx, Zy, J, Cw, T (depth between fillets) and xp (Ceq) as published; "
              "u and x computed from them. AISC publishes no fillet radii: the root radius is "
              "taken as kdes - tf, as for the W shapes, and the toe as square (toe radius 0; "
              "it enters only the area the torsion fibre is derived from, and a toe radius of "
              "a third of the root radius would change the torsion fibre by less than "
              "0.02 %). The torsion fibre is the channel calculator's from d, bf, tw, tf, "
              "these radii and the 1 in 6 flange slope (9.462 degrees)."),
}


# --- output ---

def emit(file, stem, kind, columns, rows, comment):
    width = max(len(json.dumps(r.name)) for r in rows if r) + 1
    lines = []
    for row in rows:
        if row is None:
            lines.append("      kSeparator,")
        elif row.values is None:
            lines.append(f"      NoData{{{json.dumps(row.name)}}},  // {row.note}")
        else:
            numbers = ", ".join(literal(row.values[c]) for c in columns)
            text = f"      {{{(json.dumps(row.name) + ',').ljust(width)} {numbers}}},"
            if row.note:
                text += f"  // {row.note}"
            lines.append(text)
    function = "".join(part.capitalize() for part in stem.split("_")) + "Rows"
    body = "\n".join(lines)
    text = f"""// Generated by tools/catalogue/generate_catalogue.py; do not edit by hand.
//
// {file}: {comment}
// Columns: designation, {", ".join(columns)}.

#include "sections/catalogue/catalogue_tables.h"

namespace trabeo::catalogue {{

std::span<const {kind}> {function}() {{
  // clang-format off
  static const {kind} kRows[] = {{
{body}
  }};
  // clang-format on
  return kRows;
}}

}}  // namespace trabeo::catalogue
"""
    (OUT / f"{stem}_table.cpp").write_text(text)


REFERENCE_COLUMNS = ["Area", "Ixx", "Iyy", "K", "H", "Sxx"]


def emit_reference(entries):
    """Published values of the series whose properties come from the calculators, for the test
    that checks the calculators against them."""
    lines = []
    for file, name, reference in entries:
        numbers = ", ".join(literal(reference.get(c, 0.0)) for c in REFERENCE_COLUMNS)
        lines.append(f"      {{{json.dumps(file)}, {json.dumps(name)}, {numbers}}},")
    body = "\n".join(lines)
    text = f"""// Generated by tools/catalogue/generate_catalogue.py; do not edit by hand.
//
// Published values of the sections whose catalogue properties come from the section property
// calculators (0 where the table gives none), to check the calculators against.
// Columns: file, designation, {", ".join(REFERENCE_COLUMNS)}.

#include "core/sections/catalogue/published_reference.h"

namespace trabeo::testing {{

std::span<const PublishedReference> PublishedReferences() {{
  // clang-format off
  static const PublishedReference kReferences[] = {{
{body}
  }};
  // clang-format on
  return kReferences;
}}

}}  // namespace trabeo::testing
"""
    (REPO / "tests/core/sections/catalogue/published_reference_table.cpp").write_text(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--data", required=True, help="folder of the published section tables")
    parser.add_argument("--core-lib", required=True, help="built libtrabeo_core.a")
    parser.add_argument("--source-root", default=str(REPO),
                        help="tree whose src/core headers match the core library")
    parser.add_argument("--series", nargs="*", help="catalogue files to generate (default all)")
    parser.add_argument("--without-properties", action="store_true",
                        help="list the sections without data (before their calculator exists)")
    args = parser.parse_args()
    calc = Calculators(Path(args.core_lib).resolve(), args.source_root)
    references = []
    for file in SERIES:
        names = [n for n in SEQUENCES[file] if n]
        for name, section in SERIES[file][3](args.data, names).items():
            if "reference" in section.extra:
                references.append((file, name, section.extra["reference"]))
    emit_reference(references)
    for file in args.series or SERIES:
        stem, kind, columns, reader, series, comment = SERIES[file]
        names = [n for n in SEQUENCES[file] if n]
        found = {} if args.without_properties else reader(args.data, names)
        rows = build_rows(file, columns, found, series(calc))
        emit(file, stem, kind, columns, rows, comment)
        missing = [r.name for r in rows if r and r.values is None]
        print(f"{file}: {len(rows)} records, {len(missing)} without data", file=sys.stderr)


if __name__ == "__main__":
    main()
