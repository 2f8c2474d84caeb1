"""Readers of the supplementary tables (the data folder's found/): sections that the main tables
of their series lack. Each returns, by our designation, a Section as catalogue_sources does.

- W36 x 16-1/2 shapes withdrawn from the AISC database: the AISC historic shapes database.
- U 30 x 15, U 30 and U 40: DIN 1026-1 small channels.
- Angles with published dimensions only (EN 10056 / DIN 1029 geometry): every property is then
  computed by the angle calculator.
"""

import csv
from pathlib import Path

from section import Section

INCH = 25.4
CM = 10.0
CM2 = 100.0
CM4 = 1.0e4

FOUND = "found"

# The historic database gives these shapes in several editions; the LRFD 3rd edition is used.
# Like the current database the other W rows come from, it lists the decimal design dimensions
# and a design k (outer face of the flange to the web toe of the fillet), so the root radius is
# k - tf exactly as for those rows; the LRFD 2nd edition's k is the detailing value, rounded up
# to a sixteenth of an inch.
HISTORIC_W_EDITION = "LRFD3"


def _rows(data, file):
    with open(Path(data) / FOUND / file, encoding="utf-8") as f:
        return list(csv.DictReader(f))


def historic_w_shapes(data):
    found = {}
    for row in _rows(data, "W36x16.5_historic_AISC-v15.0H.csv"):
        if row["aisc_edition"] != HISTORIC_W_EDITION:
            continue
        inches = lambda key: float(row[key]) * INCH
        tf = inches("tf_in")
        r = round(inches("k_in") - tf, 2)
        found[row["catalogue_name"]] = Section(
            dims=dict(D=inches("d_in"), B=inches("bf_in"), t=inches("tw_in"), T=tf, r1=r),
            published=dict(Sxx=float(row["Zx_in3"]) * INCH**3, Syy=float(row["Zy_in3"]) * INCH**3),
            extra=dict(reference=dict(Area=float(row["A_in2"]) * INCH**2,
                                      Ixx=float(row["Ix_in4"]) * INCH**4,
                                      Iyy=float(row["Iy_in4"]) * INCH**4)),
            source="AISC Shapes Database v15.0H (historic)",
            note=f"{row['source_designation']}, AISC LRFD 3rd ed.; r = k - tf = {r:g}")
    return found


def din_small_channels(data):
    """By designation with single blanks ("U 30 x 15"). The centroid ey and the shear centre xM
    (from the centroid, as Cs) are published; the flange slope is not (see the UPN table's
    header for the taper taken)."""
    found = {}
    for row in _rows(data, "U-small-channels_DIN1026-1.csv"):
        if row["requested"] != "yes":
            continue
        mm = lambda key: float(row[key])
        found[row["catalogue_name"]] = Section(
            dims=dict(D=mm("h_mm"), B=mm("b_mm"), t=mm("s_tw_mm"), T=mm("t_tf_mm"),
                      r1=mm("r1_mm"), r2=mm("r2_mm")),
            published=dict(Area=mm("A_cm2") * CM2, Ixx=mm("Ix_cm4") * CM4,
                           Iyy=mm("Iy_cm4") * CM4, Cy=mm("ey_cm") * CM, Cs=mm("xM_cm") * CM),
            extra=dict(mass=mm("G_kg_m")), source="DIN 1026-1",
            note=f"DIN 1026-1 U {row['source_designation']}; S, K, H, u, x computed")
    return found


def _angle_key(name):
    return name.replace(" ", "")


def _angle_shape(row):
    return tuple(float(row[k]) for k in ("leg_h_mm", "leg_b_mm", "t_mm", "r1_root_mm",
                                         "r2_toe_mm"))


def angle_geometry(data, sibling_radii):
    """By designation without blanks ("L40x20x3", "65x50x6RSA"). sibling_radii(long, short)
    gives the (r1, r2) pairs of the catalogue's other thicknesses with the same legs. Where the
    two sources disagree on the radii, the pair those siblings have is taken: a rolled leg size
    keeps its radii through its thicknesses."""
    candidates = {}
    for row in _rows(data, "L-angles-geometry_FreeCAD-library_Blueprints.csv"):
        candidates.setdefault(_angle_key(row["catalogue_name"]), {})[_angle_shape(row)] = row
    found = {}
    for key, shapes in candidates.items():
        if len(shapes) == 1:
            (shape, row), = shapes.items()
            note = f"dimensions of {row['source']}; properties computed"
        else:
            first = next(iter(shapes))
            chosen = [s for s in shapes if s[3:] in sibling_radii(first[0], first[1])]
            if len(chosen) != 1:
                raise ValueError(f"{key}: the sources disagree and no sibling decides")
            shape, row = chosen[0], shapes[chosen[0]]
            others = ", ".join(f"{r['source']} {s[3]:g}/{s[4]:g}" for s, r in shapes.items()
                               if s != shape)
            note = (f"dimensions of {row['source']}, radii {shape[3]:g}/{shape[4]:g} as the "
                    f"same legs' other thicknesses (not {others}); properties computed")
        d, b, t, r1, r2 = shape
        found[key] = Section(dims=dict(D=d, B=b, t=t, r1=r1, r2=r2), source=row["source"],
                             note=note)
    return found
