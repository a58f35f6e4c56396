#!/usr/bin/env python3
"""Checks every field of data/n2k/pgn-database.json: its dictionary entry's (multiplier,
exponent), read back as a resolution and converted into the reference's unit, must equal the
resolution the reference gives for the field (to the reference's own precision where the step
has no exact short form)."""
import json
import sys
from decimal import Decimal
from fractions import Fraction
from pathlib import Path

db = json.loads((Path(__file__).resolve().parents[2] / 'data/n2k/pgn-database.json').read_text())
dictionary = {e['row']: e for e in db['dictionary']}
# The reference's unit -> how many of the table's unit one of it makes.
UNIT_FACTOR = {'L': Fraction(1, 1000), 'L/h': Fraction(1, 1000), 'Ah': Fraction(3600)}
failures = []
checked = 0
for p in db['pgns']:
    for f in p['fields']:
        res = f['reference']['resolution']
        entry = dictionary[f['dd']]
        if res is None or entry['dataType'] not in range(9, 20):
            continue
        mult, exp = entry['multiplier'], entry['exponent']
        held = Fraction(mult) if mult > 0 else Fraction(1, -mult)
        held *= Fraction(10) ** exp
        want = Fraction(Decimal(repr(res))) * UNIT_FACTOR.get(f['reference']['unit'], 1)
        ok = held == want or abs(float(held - want)) <= abs(float(want)) * 1e-12
        checked += 1
        if not ok:
            failures.append(f"{p['pgn']} field {f['number']} {f['name']}: reference {res}, table {mult} x 10^{exp}")
for line in failures:
    print(line)
print(f'{checked} scaled fields checked, {len(failures)} wrong')
sys.exit(1 if failures or checked < 500 or 'unscaled' in db else 0)
