"""Readers of the published section tables the catalogue is built from.

Each reader returns, for one series, a dict from our designation to a Section: the published
dimensions (mm) and whatever properties the source publishes, converted to mm-based units.
A designation the source does not cover is simply absent; the generator then keeps the row
without data. The data folder is the shared reference copy of the published tables (see its
README for each source, its columns and its caveats); sections missing from a series' main
table come from its supplementary tables where they have them (supplementary_sources.py).
"""

import csv
import json
import math
import re
from pathlib import Path

import supplementary_sources as supplementary
from section import Section

CM = 10.0
CM2 = 100.0
CM3 = 1.0e3
CM4 = 1.0e4
DM6 = 1.0e12


def _load_json(data, relative):
    with open(Path(data) / relative, encoding="utf-8") as f:
        return json.load(f)


def _parse_name(pattern, name):
    match = re.match(pattern, name)
    if not match:
        raise ValueError(f"unexpected designation {name!r}")
    return match.groups()


# --- Universal beams and columns: SCI "Blue Book" (EC3/UK NA edition) via steelsnakes UK ---

def _ibeam_reference(entry):
    """Published properties that the catalogue takes from the I-beam calculator instead; kept to
    check the calculator against."""
    return dict(Area=entry["A"] * CM2, Ixx=entry["I_yy"] * CM4, Iyy=entry["I_zz"] * CM4,
                K=entry["I_t"] * CM4, H=entry["I_w"] * DM6)


def _blue_book_ibeam(entry, source):
    return Section(
        dims=dict(D=entry["h"], B=entry["b"], t=entry["tw"], T=entry["tf"], r1=entry["r"]),
        published=dict(Sxx=entry["W_pl_yy"] * CM3, Syy=entry["W_pl_zz"] * CM3, u=entry["U"]),
        extra=dict(reference=_ibeam_reference(entry)),
        source=source)


def universal_beams(data, names):
    table = _load_json(data, "UB/steelsnakes-UK/UB.json")
    found = {}
    for name in names:
        depth, width, mass = _parse_name(r"(\d+) x (\d+) UB (\d+)$", name)
        key = f"{depth}x{width}x{mass}"
        if key in table:
            found[name] = _blue_book_ibeam(table[key], "SCI Blue Book UB")
    return found


def universal_columns(data, names):
    table = _load_json(data, "UC/steelsnakes-UK/UC.json")
    found = {}
    for name in names:
        serial, mass = _parse_name(r"(\d+) UC (\d+)$", name)
        keys = [k for k in table if k.startswith(serial + "x") and k.endswith("x" + mass)]
        if len(keys) == 1:
            found[name] = _blue_book_ibeam(table[keys[0]], "SCI Blue Book UC")
    return found


# --- IPE and HE: ArcelorMittal tables (via steelsnakes EU); IPE R and IPE 750 extras from the
# FreeCAD profile list (geometry only, no root radius) ---

def _arcelor_ibeam(entry, source):
    # The "U" column of these tables is not the buckling parameter: u is computed instead.
    return Section(
        dims=dict(D=entry["h"], B=entry["b"], t=entry["tw"], T=entry["tf"], r1=entry["r"]),
        published=dict(Sxx=entry["W_pl_yy"] * CM3, Syy=entry["W_pl_zz"] * CM3),
        extra=dict(reference=_ibeam_reference(entry)),
        source=source)


def _freecad_ipe(data):
    rows = {}
    with open(Path(data) / "multi-series/FreeCAD/profiles.csv", encoding="utf-8") as f:
        for row in csv.reader(f):
            if len(row) == 7 and row[0] == "IPE":
                # Category, Name, H, width, height, web thickness, flange thickness
                rows[row[1]] = dict(B=float(row[3]), D=float(row[4]), t=float(row[5]),
                                    T=float(row[6]))
    return rows


def ipe_beams(data, names):
    table = _load_json(data, "IPE/steelsnakes-EU/IPE.json")
    freecad = _freecad_ipe(data)
    found = {}
    for name in names:
        match = re.match(r"IPE (\d+)(?: ([AORV]))?$", name)
        if match:
            size, variant = match.groups()
            key = f"IPE-{size}" + (f"-{variant}" if variant else "")
            freecad_key = f"IPE{variant or ''}{size}"
            sibling = f"IPE-{size}"
        else:
            (mass,) = _parse_name(r"IPE 750 x (\d+)$", name)
            key = f"IPE-750x{mass}"
            freecad_key = f"IPE750x{mass}"
            sibling = "IPE-750x147"
        if key in table:
            found[name] = _arcelor_ibeam(table[key], "ArcelorMittal IPE")
        elif freecad_key in freecad:
            # Geometry without a root radius: the radius of the section rolled on the same
            # rolls (the IPE of the same size; the IPE 750 family shares 17 mm) is used.
            dims = dict(freecad[freecad_key], r1=table[sibling]["r"])
            found[name] = Section(
                dims=dims, source="FreeCAD profile list (geometry)",
                note=f"root radius {dims['r1']:g} of {sibling.replace('-', ' ')} (not published "
                     "for this section); properties computed")
    return found


def he_beams(data, names):
    table = _load_json(data, "HE/steelsnakes-EU/HE.json")
    found = {}
    for name in names:
        match = re.match(r"HE ?(\d+) +(AA|A|B|C|M)$", name)
        if match:
            key = f"HE-{match[1]}-{match[2]}"
        else:
            size, mass = _parse_name(r"HE (\d+) x (\d+)$", name)
            key = f"HE-{size}x{mass}"
        if key in table:
            found[name] = _arcelor_ibeam(table[key], "ArcelorMittal HE")
    return found


# --- W and C shapes: AISC Shapes Database v15.0 (SI file; labels from the row-aligned US file) ---

def _aisc_rows(data):
    folder = Path(data) / "W-C-AISC/aisc-csv-v15.0"
    with open(folder / "Shapes-US.csv", encoding="utf-8") as f:
        us = list(csv.DictReader(f))
    with open(folder / "Shapes-SI.csv", encoding="utf-8") as f:
        si = list(csv.DictReader(f))
    return {u["AISC_Manual_Label"]: s for u, s in zip(us, si)}


def _number(text):
    return float(text)


def _inches(text):
    """A nominal size in inches as written in a designation, "5-1/4" for 5.25."""
    whole, _, fraction = text.partition("-")
    if fraction:
        numerator, denominator = fraction.split("/")
        return int(whole) + int(numerator) / int(denominator)
    return float(whole)


def w_shapes(data, names):
    rows = _aisc_rows(data)
    historic = supplementary.historic_w_shapes(data)
    found = {}
    for name in names:
        if name in historic:
            found[name] = historic[name]
            continue
        depth, width, weight = _parse_name(r"W ?(\d+) x ([\d\-/]+) x (\d+)$", name)
        row = rows.get(f"W{depth}X{weight}")
        # A shape of that depth and weight but of another flange width is not this section.
        if row is None or _number(row["bf"]) / 25.4 > _inches(width) + 2.0:
            continue
        tf = _number(row["tf"])
        # AISC gives the design k (outer face of flange to web toe of fillet), so r = kdes - tf.
        r = round(_number(row["kdes"]) - tf, 2)
        found[name] = Section(
            dims=dict(D=_number(row["d"]), B=_number(row["bf"]), t=_number(row["tw"]), T=tf,
                      r1=r),
            published=dict(Sxx=_number(row["Zx"]) * 1e3, Syy=_number(row["Zy"]) * 1e3),
            extra=dict(reference=dict(Area=_number(row["A"]), Ixx=_number(row["Ix"]) * 1e6,
                                      Iyy=_number(row["Iy"]) * 1e6, K=_number(row["J"]) * 1e3,
                                      H=_number(row["Cw"]) * 1e9)),
            source="AISC Shapes Database v15.0", note=f"r = kdes - tf = {r:g}")
    return found


def c_shapes(data, names):
    rows = _aisc_rows(data)
    found = {}
    for name in names:
        depth, mass = _parse_name(r"C ?(\d+) x (\d+)$", name)
        matches = [r for label, r in rows.items() if r["Type"] == "C"
                   and r["AISC_Manual_Label"].startswith(f"C{depth}X")
                   and math.floor(_number(r["W"]) + 0.5) == int(mass)]
        if len(matches) != 1:
            continue
        row = matches[0]
        x_bar = _number(row["x"])
        tf = _number(row["tf"])
        # As for the W shapes, the root radius is kdes - tf. No toe radius is published: the
        # toe is taken square (0).
        r = round(_number(row["kdes"]) - tf, 2)
        found[name] = Section(
            dims=dict(D=_number(row["d"]), B=_number(row["bf"]), t=_number(row["tw"]), T=tf,
                      r1=r, r2=0.0),
            published=dict(
                Area=_number(row["A"]), Ixx=_number(row["Ix"]) * 1e6,
                Iyy=_number(row["Iy"]) * 1e6, Cy=x_bar,
                # eo runs from the outer face of the web to the shear centre, the centroid
                # lies x_bar on the other side of that face.
                Cs=_number(row["eo"]) + x_bar,
                Sxx=_number(row["Zx"]) * 1e3, Syy=_number(row["Zy"]) * 1e3,
                K=_number(row["J"]) * 1e3, H=_number(row["Cw"]) * 1e9,
                WebDepth=_number(row["T"]), Extra=_number(row["xp"])),
            extra=dict(mass=_number(row["W"]), label=row["AISC_Manual_Label"]),
            source="AISC Shapes Database v15.0",
            note=f"{row['AISC_Manual_Label']}; r = kdes - tf = {r:g}")
    return found


# --- Joists: BS 5950 Blue Book (7th edition) dimensions as listed by cad-steel.co.uk; the two
# joists that list leaves out come from EN 10365:2017 (MagmaWorks table) ---

# D, B, t, T, r1, r2, d (depth between fillets), all mm.
BLUE_BOOK_JOISTS = {
    "102 x 102 x 23 RSJ": (101.6, 101.6, 9.5, 10.3, 11.1, 3.2, 55.2),
    "127 x 114 x 27 RSJ": (127.0, 114.3, 7.4, 11.4, 9.9, 5.0, 79.5),
    "127 x 114 x 29 RSJ": (127.0, 114.3, 10.2, 11.5, 9.9, 4.8, 79.5),
    "152 x 127 x 37 RSJ": (152.4, 127.0, 10.4, 13.2, 13.5, 6.6, 94.3),
    "203 x 152 x 52 RSJ": (203.2, 152.4, 8.9, 16.5, 15.5, 7.6, 133.2),
    "254 x 203 x 82 RSJ": (254.0, 203.2, 10.2, 19.9, 19.6, 9.7, 166.6),
}


def _en10365_rows(data):
    rows = {}
    with open(Path(data) / "multi-series/MagmaWorks-Taxonomy/EN10365-2017.csv",
              encoding="utf-8-sig") as f:
        for row in csv.DictReader(f):
            rows[row["Label"].replace("\u00d7", "x").replace(",", ".")] = row
    return rows


def _en10365_dims(row):
    value = lambda key: float(row[key]) if row[key] else 0.0
    return dict(D=value("h mm"), B=value("b mm"), t=value("s mm"), T=value("t mm"),
                r1=value("r1 mm"), r2=value("r2 mm")), value("G kg/m")


def joists(data, names):
    en = _en10365_rows(data)
    found = {}
    for name in names:
        if name in BLUE_BOOK_JOISTS:
            D, B, t, T, r1, r2, d = BLUE_BOOK_JOISTS[name]
            found[name] = Section(dims=dict(D=D, B=B, t=t, T=T, r1=r1, r2=r2),
                                  published=dict(WebDepth=d), source="BS 5950 Blue Book")
            continue
        depth, width, mass = _parse_name(r"(\d+) x (\d+) x (\d+) RSJ$", name)
        row = en.get(f"J {depth} x {width} x {mass}")
        if row:
            dims, _ = _en10365_dims(row)
            found[name] = Section(dims=dims, source="EN 10365:2017",
                                  note="toe radius as EN 10365 (may differ from BS 4-1); depth "
                                       "between fillets computed")
    return found


# --- Channels ---

# The flange slope of the old BS 4 channels, the FlgAngle of every row of their file. EN 10365
# gives no slope for its CH rows, which are the same imperial sections.
RSC_TAPER_DEGREES = 5.0


def _largest_tenth_within(published, limit):
    """The published radius, or, where it exceeds limit, the largest tenth of a millimetre below
    it. Below by at least 0.01 mm: a radius equal to the limit (T + t = 26.7 for 381 x 102) can
    exceed it once the record holds the dimensions in single precision, and the section would
    then be refused when read back."""
    if published <= limit:
        return published
    return round(math.floor((limit - 0.01) * 10) / 10, 1)


def old_channels(data, names):
    """The tapered-flange RSC range, from the CH rows of EN 10365:2017 (imperial sizes).

    The channel calculator models each toe fillet as a quarter circle cut from a flange tip of
    thickness T - B tan(taper) / 2, and accepts no root radius above T + t. Most EN 10365 toe
    radii (about r1 / 2) and three of its root radii are larger. Such a radius is reduced to the
    largest tenth of a millimetre the calculator accepts, the nearest to the published section
    it can model: a fillet changes the area by only (1 - pi/4) r^2 at each corner (the effect on
    the other properties is stated in the table's header). The area and the depth between
    fillets are EN 10365's own, as published properties are in every series.
    """
    rows = {label: row for label, row in _en10365_rows(data).items() if label.startswith("CH ")}
    tau = math.tan(math.radians(RSC_TAPER_DEGREES))
    found = {}
    for name in names:
        depth, width = _parse_name(r"(\d+) x (\d+) RSC$", name)
        label = [k for k in rows if k.startswith(f"CH {depth} x {width} x ")]
        if len(label) != 1:
            continue
        row = rows[label[0]]
        dims, mass = _en10365_dims(row)
        published = dict(dims)
        dims["r2"] = _largest_tenth_within(published["r2"], dims["T"] - tau * dims["B"] / 2)
        dims["r1"] = _largest_tenth_within(published["r1"], dims["T"] + dims["t"])
        changed = [f"{key} {dims[key]:g} (EN 10365 {published[key]:g})"
                   for key in ("r1", "r2") if dims[key] != published[key]]
        note = label[0] + (f"; {', '.join(changed)}" if changed else "")
        published_values = dict(Area=float(row["A cm2"]) * 100, WebDepth=float(row["h1 mm"]))
        found[name] = Section(dims=dims, published=published_values, extra=dict(mass=mass),
                              source="EN 10365:2017", note=note)
    return found


def parallel_flange_channels(data, names):
    table = _load_json(data, "PFC/steelsnakes-UK/PFC.json")
    found = {}
    for name in names:
        depth, width, mass = _parse_name(r"(\d+) x (\d+) x (\d+) PFC$", name)
        entry = table.get(f"{depth}x{width}x{mass}")
        if entry is None:
            continue
        found[name] = Section(
            dims=dict(D=entry["h"], B=entry["b"], t=entry["tw"], T=entry["tf"], r1=entry["r"],
                      r2=0.0),
            published=dict(Area=entry["A"] * CM2, Ixx=entry["I_yy"] * CM4,
                           Iyy=entry["I_zz"] * CM4, Sxx=entry["W_pl_yy"] * CM3,
                           Syy=entry["W_pl_zz"] * CM3, u=entry["U"], x=entry["X"],
                           H=entry["I_w"] * DM6, K=entry["I_t"] * CM4),
            extra=dict(e0=entry["e0"] * CM, mass=entry["mass_per_metre"]),
            source="SCI Blue Book PFC")
    return found


def upn_channels(data, names):
    table = _load_json(data, "UPN/steelsnakes-EU/UPN.json")
    en = _en10365_rows(data)
    din = supplementary.din_small_channels(data)
    small = {"U  40 x 20": "U 40 x 20 x 5", "U 50 x 25": "U 50 x 25 x 5", "U  60": "U 60 x 30 x 6"}
    found = {}
    for name in names:
        if " ".join(name.split()) in din:
            found[name] = din[" ".join(name.split())]
            continue
        if name in small and small[name] in en:
            dims, mass = _en10365_dims(en[small[name]])
            found[name] = Section(dims=dims, extra=dict(mass=mass), source="EN 10365:2017",
                                  note=f"{small[name]}; properties computed")
            continue
        match = re.match(r"U +(\d+)$", name)
        entry = table.get(f"UPN-{match[1]}") if match else None
        if entry is None:
            continue
        found[name] = Section(
            dims=dict(D=entry["h"], B=entry["b"], t=entry["tw"], T=entry["tf"],
                      r1=entry["r_1"], r2=entry["r_2"]),
            published=dict(Area=entry["A"] * CM2, Ixx=entry["I_yy"] * CM4,
                           Iyy=entry["I_zz"] * CM4, Sxx=entry["W_pl_yy"] * CM3,
                           Syy=entry["W_pl_zz"] * CM3, u=entry["U"], x=entry["X"],
                           H=entry["I_w"] * DM6, K=entry["I_t"] * CM4, WebDepth=entry["d"]),
            extra=dict(e0=entry["e0"] * CM, mass=entry["mass_per_metre"]),
            source="ArcelorMittal UPN")
    return found


# --- Angles: EN 10056-1 tables, SCI (steelsnakes UK) and ArcelorMittal (steelsnakes EU) ---

def _angle(entry, long_leg, short_leg, source):
    equal = "c" in entry
    if equal:
        cx = cy = entry["c"] * CM
        alpha = 45.0
    else:
        # c_y runs along the long leg (from the back of the short leg), c_z along the short leg.
        cx, cy = entry["c_y"] * CM, entry["c_z"] * CM
        alpha = math.degrees(math.atan(entry["tan_alpha"]))
    return Section(
        dims=dict(D=long_leg, B=short_leg, t=float(entry["t"]), r1=float(entry["r_1"]),
                  r2=float(entry["r_2"])),
        published=dict(Area=entry["A"] * CM2, Ixx=entry["I_yy"] * CM4, Iyy=entry["I_zz"] * CM4,
                       Iuu=entry["I_uu"] * CM4, Ivv=entry["I_vv"] * CM4, Cx=cx, Cy=cy,
                       Alpha=alpha, K=entry["I_t"] * CM4),
        extra=dict(mass=entry["mass_per_metre"]), source=source)


def _angle_tables(data, preferred):
    uk = (_load_json(data, "RSA/steelsnakes-UK/L_EQUAL.json"),
          _load_json(data, "RSA/steelsnakes-UK/L_UNEQUAL.json"), "SCI Blue Book angles")
    eu = (_load_json(data, "L-EU/steelsnakes-EU/L_EQUAL.json"),
          _load_json(data, "L-EU/steelsnakes-EU/L_UNEQUAL.json"), "ArcelorMittal angles")
    return [uk, eu] if preferred == "uk" else [eu, uk]


def _sibling_radii(tables):
    """(r1, r2) pairs of the tabled angles with the given legs, any thickness."""
    def radii(long_leg, short_leg):
        pairs = set()
        for equal_table, unequal_table, _ in tables:
            for key, entry in list(equal_table.items()) + list(unequal_table.items()):
                legs = [float(v) for v in key.split("x")[:2]]
                if legs == [long_leg, short_leg]:
                    pairs.add((float(entry["r_1"]), float(entry["r_2"])))
        return pairs
    return radii


def _angles(data, names, pattern, preferred):
    tables = _angle_tables(data, preferred)
    geometry = supplementary.angle_geometry(data, _sibling_radii(tables))
    found = {}
    for name in names:
        groups = _parse_name(pattern, name)
        long_leg, short_leg, t = (groups if len(groups) == 3
                                  else (groups[0], groups[0], groups[1]))
        for equal_table, unequal_table, source in tables:
            if long_leg == short_leg:
                entry = equal_table.get(f"{long_leg}x{short_leg}x{float(t):.1f}")
            else:
                entry = unequal_table.get(f"{long_leg}x{short_leg}x{t}")
            if entry is not None:
                found[name] = _angle(entry, float(long_leg), float(short_leg), source)
                break
        else:
            if name.replace(" ", "") in geometry:
                found[name] = geometry[name.replace(" ", "")]
    return found


def rsa_angles(data, names):
    return _angles(data, names, r"(\d+) x (\d+) x (\d+) RSA$", "uk")


def l_equal_angles(data, names):
    return _angles(data, names, r"L +(\d+) x (\d+)$", "eu")


def l_unequal_angles(data, names):
    return _angles(data, names, r"L +(\d+) x (\d+) x (\d+)$", "eu")


# --- Hollow sections ---

def rectangular_hollow(data, names):
    """D x B x t come from the designation; the tables confirm that the size is published."""
    folder = Path(data) / "RHS-CHS"
    sizes = set()
    for f in ("HFRHS", "HFSHS", "CFRHS", "CFSHS"):
        for key in _load_json(folder, f"steelsnakes-UK/{f}.json"):
            d, b, t = key.split("x")
            sizes.add((float(d), float(b), float(t)))
    for group_name, group in _load_json(folder, "xc/bs_en_10219_profiles.json").items():
        if group_name == "CFCHS":
            continue
        for entry in group.values():
            sizes.add((round(entry["h"] * 1e3, 1), round(entry["b"] * 1e3, 1),
                       round(entry["e"] * 1e3, 1)))
    found = {}
    for name in names:
        d, b, t = (float(v) for v in _parse_name(r"(\d+) x (\d+) x ([\d.]+)\s+RHS$", name))
        listed = (d, b, t) in sizes or (b, d, t) in sizes
        found[name] = Section(
            dims=dict(D=d, B=b, t=t), source="EN 10210-2 / EN 10219-2 sizes" if listed else "",
            note="" if listed else "size not found in the tables at hand; D, B, t as designated")
    return found


def circular_hollow(data, names):
    """Tata Steel Celsius CHS table (BS 5950 properties), used to cross-check the tube formulas."""
    found = {}
    with open(Path(data) / "RHS-CHS/xc/tata_steel_chs_shapes.csv", encoding="utf-8") as f:
        rows = list(csv.reader(f))[5:]
    table = {(float(r[1]), float(r[2])): r for r in rows if len(r) > 10 and r[1]}
    for name in names:
        d, t = (float(v) for v in _parse_name(r"([\d.]+)\s+x\s+([\d.]+)\s+CHS$", name))
        row = table.get((d, t))
        if row:
            found[name] = Section(
                dims=dict(D=d, t=t),
                extra=dict(reference=dict(Area=float(row[4]) * CM2, Ixx=float(row[6]) * CM4,
                                          Sxx=float(row[9]) * CM3, K=float(row[10]) * CM4)),
                source="Tata Steel Celsius CHS")
    return found
