"""One section as a reader of a published table returns it."""

from dataclasses import dataclass, field


@dataclass
class Section:
    dims: dict                      # D, B, t, T, r1, r2 in mm (as the shape needs)
    published: dict = field(default_factory=dict)  # record field name -> value, mm units
    extra: dict = field(default_factory=dict)      # source values that are not record fields
    source: str = ""                # short name of the table the row comes from
    note: str = ""                  # anything a reviewer should know about this row
