#!/usr/bin/env python3
"""Writes the readable sample catalog of the Corvane Ammo Catalog from the compact tables below.

Outputs (all committed, so the build needs only corvane-catalog-tool):
  loads/t0-rifle.txt .. loads/t5-components.txt  CSV, UTF-8, LF; header = record field names
  Data/*.lst, Data/t4indx.lst                    name lists, ASCII, CR LF
  ProductInfo/descriptions.ini                   descriptions and picture names, CR LF

Run from anywhere: python3 catalog-src/generate-catalog.py
Every brand and product line name here is invented for the sample catalog.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
NEW_YEAR = 2005

# Usage IDs 1-7 mean the same in every section (the wizard relies on it).
COMMON_USAGES = [
    "Varmint & Small Game",  # 1 varmints, predators, small game
    "Medium Game",  # 2
    "Large Heavy Game",  # 3
    "Dangerous Game",  # 4
    "Paper Target",  # 5
    "Personal Defense",  # 6 assailant
    "Match",  # 7
]


def fmt_num(x):
    """Shortest round-trip text of a double, as the tool's dump writes it."""
    if isinstance(x, int):
        return str(x)
    r = repr(float(x))
    return r[:-2] if r.endswith(".0") else r


def csv_field(text):
    text = str(text)
    if any(c in text for c in ',"\r\n'):
        return '"' + text.replace('"', '""') + '"'
    return text


def write_csv(name, header, rows):
    path = os.path.join(HERE, "loads", name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(",".join(header) + "\n")
        for row in rows:
            f.write(",".join(csv_field(row[h]) for h in header) + "\n")


def write_lines(rel, lines):
    path = os.path.join(HERE, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    for line in lines:
        assert all(32 <= ord(c) < 127 for c in line), line
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))


def flags(ids):
    return ";".join(str(i) for i in sorted(set(ids)))


def year_for(i):
    return 1998 + (i * 3) % 7


# ---------------------------------------------------------------- section 0, centerfire rifle
RIFLE_BRANDS = {  # code -> list name (IDs from 2 in this order)
    "H": "Corvane Harrowline",
    "S": "Corvane Stonecrest Premium",
    "V": "Corvane Brisk Varmint",
    "A": "Corvane ARVENTA Match",
    "D": "Corvane Velmira Safari",
    "T": "Corvane Trailhand",
    "L": "Corvane Lowkick",
}
RIFLE_STYLES = {  # code -> list name (IDs from 1 in this order)
    "SP": "Pointed Soft Point",
    "RN": "Round Nose Soft Point",
    "HP": "Hollow Point",
    "PT": "Polymer Tip",
    "BS": "Bonded Soft Point",
    "MT": "Match Hollow Point Boat Tail",
    "FMJ": "Full Metal Jacket",
    "CU": "Copper Hollow Point",
    "FN": "Flat Nose Soft Point",
    "SOL": "Full Metal Jacket Solid",
}
RIFLE_USAGES = COMMON_USAGES + ["Long Range Hunting", "Plinking"]

# caliber name, short code, barrel, primer, game class, loads
# game class: v varmint, m medium, l large, d dangerous
# load: (weight, bc, velocity, style, brand[, extras])
RIFLE = [
    (".22 Hornet", "22H", 24, "CSR-4", "v", [
        (35, 0.110, 3100, "HP", "V"), (45, 0.130, 2690, "SP", "H")]),
    (".222 Remington", "222", 24, "CSR-4", "v", [
        (40, 0.221, 3450, "PT", "V"), (50, 0.215, 3140, "SP", "H")]),
    (".223 Remington", "223", 24, "CSR-4", "v", [
        (40, 0.221, 3650, "PT", "V", {"year": NEW_YEAR}), (50, 0.238, 3300, "HP", "V"),
        (55, 0.250, 3240, "SP", "H"), (55, 0.243, 3240, "FMJ", "T", {"u": [5, 6, 9]}),
        (62, 0.307, 3025, "FMJ", "T", {"u": [5, 6, 9], "note": "Steel penetrator core"}),
        (64, 0.295, 3020, "BS", "S", {"u": [1, 2, 6]}), (69, 0.301, 2950, "MT", "A"),
        (77, 0.372, 2750, "MT", "A", {"mark": "NP"}), (55, 0.255, 3240, "PT", "V")]),
    (".22-250 Remington", "22250", 24, "CSR-4", "v", [
        (40, 0.221, 4000, "PT", "V", {"mark": "HE"}), (50, 0.238, 3725, "HP", "V"),
        (55, 0.250, 3680, "SP", "H"), (60, 0.264, 3500, "PT", "S")]),
    (".220 Swift", "220", 24, "CLR-7", "v", [
        (40, 0.221, 4200, "PT", "V"), (50, 0.238, 3870, "SP", "H", {"note": "Long throat: check your chamber"})]),
    (".243 Winchester", "243", 24, "CLR-7", "vm", [
        (58, 0.250, 3750, "PT", "V"), (75, 0.290, 3400, "HP", "V"), (80, 0.256, 3350, "SP", "H"),
        (95, 0.379, 3100, "PT", "S", {"year": NEW_YEAR}), (100, 0.405, 2960, "SP", "H"),
        (105, 0.510, 2920, "MT", "A"), (85, 0.315, 3200, "SP", "L", {"v": 2850, "mark": "L"})]),
    ("6mm Remington", "6MM", 24, "CLR-7", "vm", [
        (80, 0.256, 3470, "SP", "H"), (100, 0.357, 3100, "SP", "H")]),
    (".25-06 Remington", "2506", 24, "CLR-7", "vm", [
        (90, 0.317, 3440, "PT", "V"), (100, 0.323, 3230, "SP", "H"), (117, 0.392, 3030, "BS", "S"),
        (120, 0.391, 2990, "SP", "H")]),
    (".257 Roberts", "257", 24, "CLR-7", "m", [
        (117, 0.240, 2650, "RN", "H"), (120, 0.391, 2780, "BS", "S", {"mark": "HE"})]),
    ("6.5x55 Swedish", "655", 24, "CLR-7", "m", [
        (140, 0.495, 2550, "SP", "H"), (129, 0.485, 2750, "PT", "S"), (156, 0.300, 2450, "RN", "H")]),
    ("6.5 Creedmoor", "65CM", 24, "CLR-7", "m", [
        (120, 0.450, 2900, "PT", "S"), (129, 0.485, 2820, "SP", "H"),
        (140, 0.610, 2710, "MT", "A", {"u": [7, 5, 8]}), (143, 0.625, 2700, "PT", "S", {"u": [2, 8]}),
        (130, 0.500, 2800, "CU", "S", {"year": NEW_YEAR, "note": "Lead-free copper bullet"}),
        (147, 0.697, 2695, "MT", "A", {"year": NEW_YEAR}), (125, 0.450, 2575, "SP", "L", {"mark": "L"})]),
    (".260 Remington", "260", 24, "CLR-7", "m", [
        (120, 0.450, 2890, "PT", "S"), (140, 0.495, 2750, "SP", "H")]),
    (".270 Winchester", "270", 24, "CLR-7", "m", [
        (100, 0.307, 3430, "HP", "V", {"u": [1]}), (130, 0.436, 3060, "SP", "H"),
        (130, 0.460, 3060, "PT", "S"), (140, 0.496, 2940, "BS", "S"), (150, 0.344, 2850, "RN", "H"),
        (150, 0.480, 2850, "SP", "H", {"mark": "NP"}), (130, 0.416, 3100, "CU", "S", {"note": "Lead-free copper bullet"}),
        (130, 0.436, 2740, "SP", "L", {"mark": "L"}), (140, 0.460, 3090, "PT", "S", {"mark": "HE", "year": NEW_YEAR})]),
    (".270 WSM", "270S", 24, "CLR-7", "m", [
        (130, 0.460, 3275, "PT", "S"), (140, 0.496, 3125, "BS", "S"), (150, 0.480, 3120, "SP", "H")]),
    ("7mm-08 Remington", "708", 24, "CLR-7", "m", [
        (120, 0.417, 3000, "PT", "V", {"u": [1, 2]}), (140, 0.486, 2800, "SP", "H"),
        (150, 0.346, 2650, "RN", "H"), (140, 0.440, 2800, "BS", "S")]),
    ("7x57 Mauser", "757", 24, "CLR-7", "m", [
        (140, 0.390, 2660, "SP", "H"), (175, 0.273, 2440, "RN", "H", {"u": [2, 3]})]),
    (".280 Remington", "280", 24, "CLR-7", "m", [
        (140, 0.486, 3000, "PT", "S"), (150, 0.430, 2890, "SP", "H"), (160, 0.475, 2840, "BS", "S"),
        (165, 0.300, 2820, "RN", "H")]),
    ("7mm Remington Magnum", "7MM", 26, "CLRM-8", "ml", [
        (140, 0.486, 3175, "PT", "S"), (150, 0.430, 3110, "SP", "H"), (160, 0.475, 2950, "BS", "S"),
        (165, 0.505, 2950, "PT", "S", {"u": [2, 3, 8]}), (175, 0.427, 2860, "SP", "H", {"mark": "NP"}),
        (175, 0.509, 2860, "BS", "S", {"year": NEW_YEAR}), (150, 0.498, 3230, "CU", "S", {"mark": "HE"}),
        (180, 0.660, 2900, "MT", "A", {"u": [7, 8]})]),
    (".30-30 Winchester", "3030", 24, "CLR-7", "m", [
        (125, 0.199, 2570, "HP", "V", {"u": [1, 2]}), (150, 0.186, 2390, "FN", "H"),
        (170, 0.254, 2200, "FN", "H", {"note": "Flat nose for tube magazines"}),
        (150, 0.186, 2390, "RN", "H"), (160, 0.330, 2400, "PT", "S", {"year": NEW_YEAR}),
        (170, 0.254, 2200, "BS", "S"), (150, 0.186, 1895, "FN", "L", {"mark": "L"})]),
    ("7.62x39", "762", 20, "CSR-4", "m", [
        (123, 0.255, 2350, "FMJ", "T", {"u": [5, 9]}), (123, 0.295, 2350, "SP", "H", {"u": [2, 6]}),
        (125, 0.280, 2350, "HP", "V", {"u": [1, 6]})]),
    (".308 Winchester", "308", 24, "CLR-7", "ml", [
        (110, 0.268, 3165, "HP", "V", {"u": [1]}), (125, 0.330, 3050, "SP", "H"),
        (150, 0.314, 2820, "SP", "H"), (150, 0.415, 2820, "PT", "S"), (150, 0.235, 2820, "RN", "H"),
        (165, 0.420, 2700, "BS", "S"), (168, 0.462, 2650, "MT", "A"), (175, 0.505, 2600, "MT", "A"),
        (180, 0.383, 2620, "SP", "H", {"mark": "NP"}), (180, 0.480, 2620, "BS", "S"),
        (147, 0.200, 2800, "FMJ", "T", {"u": [5, 6, 9]}), (150, 0.415, 2560, "SP", "L", {"mark": "L"}),
        (165, 0.435, 2870, "PT", "S", {"mark": "HE"}), (155, 0.450, 2775, "MT", "A", {"year": NEW_YEAR}),
        (168, 0.450, 2650, "CU", "S", {"note": "Lead-free copper bullet"}), (178, 0.530, 2600, "MT", "A")]),
    (".30-06 Springfield", "3006", 24, "CLR-7", "ml", [
        (125, 0.330, 3140, "SP", "H", {"u": [1, 2]}), (150, 0.314, 2910, "SP", "H"),
        (150, 0.415, 2910, "PT", "S"), (165, 0.420, 2800, "BS", "S"), (165, 0.435, 2800, "PT", "S"),
        (168, 0.462, 2700, "MT", "A"), (180, 0.383, 2700, "SP", "H"), (180, 0.248, 2700, "RN", "H"),
        (180, 0.480, 2700, "BS", "S", {"mark": "NE"}), (200, 0.480, 2550, "BS", "S", {"u": [3]}),
        (220, 0.294, 2410, "RN", "H", {"u": [3]}), (150, 0.415, 2600, "SP", "L", {"mark": "L"}),
        (150, 0.395, 2910, "FMJ", "T", {"u": [5, 9], "note": "Clip-loaded for M1 rifles"}),
        (165, 0.450, 3015, "PT", "S", {"mark": "HE"}), (178, 0.530, 2720, "MT", "A", {"year": NEW_YEAR}),
        (180, 0.475, 2700, "CU", "S", {"note": "Lead-free copper bullet"})]),
    (".300 Winchester Magnum", "300", 26, "CLRM-8", "ml", [
        (150, 0.415, 3290, "PT", "S"), (150, 0.314, 3290, "SP", "H"), (165, 0.435, 3050, "BS", "S"),
        (180, 0.383, 2960, "SP", "H"), (180, 0.480, 2960, "BS", "S"), (190, 0.533, 2900, "MT", "A", {"u": [7, 8]}),
        (200, 0.480, 2830, "BS", "S", {"u": [3]}), (180, 0.507, 3130, "PT", "S", {"mark": "HE"}),
        (180, 0.507, 2960, "PT", "S", {"mark": "np"}), (195, 0.584, 2930, "MT", "A", {"year": NEW_YEAR}),
        (150, 0.314, 2650, "SP", "L", {"mark": "L"})]),
    (".300 WSM", "300S", 24, "CLRM-8", "ml", [
        (150, 0.415, 3300, "PT", "S"), (180, 0.480, 2970, "BS", "S"), (165, 0.420, 3130, "SP", "H")]),
    (".300 Weatherby Magnum", "300WB", 26, "CLRM-8", "ml", [
        (165, 0.435, 3350, "PT", "S"), (180, 0.480, 3190, "BS", "S")]),
    (".303 British", "303", 24, "CLR-7", "m", [
        (150, 0.356, 2685, "SP", "H"), (180, 0.340, 2460, "RN", "H")]),
    ("8x57 Mauser", "857", 24, "CLR-7", "m", [
        (170, 0.250, 2360, "RN", "H", {"note": "Loaded to moderate pressure for older rifles"}),
        (195, 0.400, 2300, "BS", "S")]),
    (".338 Winchester Magnum", "338", 26, "CLRM-8", "l", [
        (200, 0.414, 2960, "PT", "S"), (225, 0.435, 2780, "SP", "H"), (250, 0.431, 2660, "BS", "S"),
        (225, 0.430, 2800, "CU", "S", {"year": NEW_YEAR})]),
    (".35 Remington", "35", 24, "CLR-7", "m", [
        (200, 0.193, 2080, "RN", "H", {"u": [2, 3]})]),
    (".375 H&H Magnum", "375", 24, "CLRM-8", "d", [
        (270, 0.380, 2690, "SP", "D", {"u": [3, 4]}), (300, 0.398, 2530, "BS", "D"),
        (300, 0.275, 2530, "SOL", "D", {"note": "Solid for thick-skinned game"}),
        (260, 0.370, 2750, "PT", "S", {"u": [3]}), (300, 0.340, 2530, "RN", "D", {"mark": "NP"})]),
    (".416 Rigby", "416", 24, "CLRM-8", "d", [
        (400, 0.375, 2400, "BS", "D"), (400, 0.319, 2400, "SOL", "D", {"year": NEW_YEAR})]),
    (".458 Winchester Magnum", "458", 24, "CLRM-8", "d", [
        (500, 0.295, 2090, "SOL", "D"), (500, 0.285, 2090, "BS", "D"), (450, 0.250, 2150, "SP", "D", {"mark": "HE"})]),
    (".45-70 Government", "4570", 24, "CLR-7", "l", [
        (300, 0.200, 1850, "HP", "H", {"u": [2, 3]}), (325, 0.230, 2050, "PT", "S", {"year": NEW_YEAR}),
        (405, 0.281, 1330, "FN", "H", {"note": "Safe in all rifles chambered for the cartridge"}),
        (405, 0.281, 1330, "FN", "L", {"mark": "l"}), (300, 0.200, 1810, "FN", "H")]),
    ("357 magnum", "357R", 18, "CSPM-2", "v", [
        (158, 0.206, 1830, "FN", "H", {"u": [1, 2]}), (140, 0.169, 2000, "HP", "V", {"u": [1, 5]})]),
    ("44 rem. magnum", "44R", 20, "CLP-3", "v", [
        (240, 0.180, 1760, "FN", "H", {"u": [1, 2, 7], "note": "For lever-action and single-shot rifles"}),
        (225, 0.170, 1850, "HP", "V", {"u": [1, 2]})]),
]

RIFLE_DEFAULT_USAGE = {"v": [1], "vm": [1, 2], "m": [2], "ml": [2, 3], "l": [3], "d": [4]}


def style_usages(style, brand, game):
    if brand == "A":
        return [7, 5]
    if brand == "T":
        return [5, 9]
    if brand == "V":
        return [1]
    if brand == "D":
        return [3, 4]
    return RIFLE_DEFAULT_USAGE[game] + ([8] if style in ("PT", "BS") and game in ("ml", "l") else [])


def bullet_rows(table, brands, styles):
    brand_ids = {code: i + 2 for i, code in enumerate(brands)}
    style_ids = {code: i + 1 for i, code in enumerate(styles)}
    rows = []
    n = 0
    for cal_id, (cal, cal_code, barrel, primer, game, loads) in enumerate(table, start=1):
        for j, load in enumerate(loads):
            weight, bc, vel, style, brand = load[:5]
            extra = load[5] if len(load) > 5 else {}
            usages = extra.get("u") or style_usages(style, brand, game)
            rows.append({
                "YearIntroduced": extra.get("year", year_for(n)),
                "MarkCode": extra.get("mark", ""),
                "UsageFlags": flags(usages),
                "LoadNumber": "%s%s%s%d" % (brand, cal_code, style[0], weight) + ("" if j < 40 else str(j)),
                "CaliberId": cal_id,
                "BulletWeight": weight,
                "BallisticCoefficient": fmt_num(bc),
                "BulletStyleId": style_ids[style],
                "PrimerNumber": primer,
                "MuzzleVelocity": extra.get("v", vel),
                "BarrelLength": fmt_num(float(extra.get("barrel", barrel))),
                "Note": extra.get("note", ""),
                "BrandId": brand_ids[brand],
            })
            n += 1
    seen = {}
    for row in rows:  # keep load numbers unique
        base = row["LoadNumber"]
        seen[base] = seen.get(base, 0) + 1
        if seen[base] > 1:
            row["LoadNumber"] = base + chr(ord("A") + seen[base] - 2)
    return rows


BULLET_HEADER = ["YearIntroduced", "MarkCode", "UsageFlags", "LoadNumber", "CaliberId", "BulletWeight",
                 "BallisticCoefficient", "BulletStyleId", "PrimerNumber", "MuzzleVelocity", "BarrelLength",
                 "Note", "BrandId"]

# ---------------------------------------------------------------- section 1, centerfire pistol
PISTOL_BRANDS = {
    "G": "Corvane Guardis Defense",
    "T": "Corvane Trailhand Range",
    "S": "Corvane Stonecrest Handgun",
    "A": "Corvane ARVENTA Match",
    "H": "Corvane Harrowline Handgun Hunter",
}
PISTOL_STYLES = {
    "JHP": "Jacketed Hollow Point",
    "FMJ": "Full Metal Jacket",
    "LRN": "Lead Round Nose",
    "SWC": "Semi-Wadcutter",
    "WC": "Wadcutter",
    "JSP": "Jacketed Soft Point",
    "BHP": "Bonded Hollow Point",
    "HCF": "Hard Cast Flat Nose",
}
PISTOL_USAGES = COMMON_USAGES + ["Duty Training", "Metallic Silhouette"]

PISTOL = [
    (".25 Auto", "25A", 2, "CSP-1", [(35, 0.091, 900, "JHP", "G"), (50, 0.100, 760, "FMJ", "T")]),
    (".32 Auto", "32A", 4, "CSP-1", [(60, 0.100, 970, "JHP", "G"), (71, 0.120, 905, "FMJ", "T")]),
    (".380 Auto", "380", 3.75, "CSP-1", [
        (90, 0.099, 1000, "JHP", "G"), (95, 0.075, 955, "FMJ", "T"),
        (99, 0.110, 1030, "BHP", "G", {"year": NEW_YEAR, "mark": "NP"})]),
    ("9mm Luger", "9MM", 4, "CSP-1", [
        (115, 0.120, 1180, "JHP", "G"), (115, 0.130, 1180, "FMJ", "T"), (124, 0.140, 1150, "JHP", "G"),
        (124, 0.150, 1150, "FMJ", "T"), (147, 0.170, 1000, "JHP", "G"),
        (147, 0.180, 990, "FMJ", "A", {"note": "Matched lots for competition"}),
        (124, 0.150, 1220, "BHP", "G", {"mark": "NE", "note": "+P: for firearms rated for +P loads"}),
        (135, 0.140, 1060, "BHP", "G", {"year": NEW_YEAR}), (115, 0.120, 1050, "JHP", "G", {"mark": "L"}),
        (147, 0.190, 980, "LRN", "T", {"u": [5, 8]})]),
    (".38 Super", "38S", 5, "CSP-1", [(130, 0.140, 1215, "FMJ", "A"), (125, 0.130, 1240, "JHP", "G")]),
    (".38 Special", "38", 4, "CSP-1", [
        (110, 0.110, 980, "JHP", "G"), (125, 0.120, 945, "JHP", "G", {"mark": "NP"}),
        (148, 0.055, 710, "WC", "A", {"note": "Full wadcutter cuts clean holes in paper"}),
        (158, 0.150, 755, "LRN", "T"), (158, 0.160, 890, "SWC", "S", {"u": [1, 6]}),
        (130, 0.140, 800, "FMJ", "T"), (110, 0.110, 840, "JHP", "G", {"mark": "L", "year": NEW_YEAR})]),
    (".357 Magnum", "357", 4, "CSPM-2", [
        (125, 0.120, 1450, "JHP", "G"), (158, 0.160, 1235, "JSP", "H", {"u": [1, 2]}),
        (158, 0.190, 1235, "JHP", "H", {"u": [1, 2]}), (180, 0.210, 1180, "HCF", "H", {"u": [2, 3]}),
        (140, 0.170, 1360, "BHP", "G", {"mark": "NP"}), (158, 0.150, 1235, "SWC", "A", {"u": [7, 9]})]),
    (".357 SIG", "357S", 4, "CSP-1", [(125, 0.140, 1350, "BHP", "G"), (125, 0.150, 1350, "FMJ", "T")]),
    (".40 S&W", "40", 4, "CSP-1", [
        (155, 0.120, 1205, "JHP", "G"), (165, 0.140, 1130, "FMJ", "T"), (180, 0.165, 1000, "JHP", "G"),
        (180, 0.170, 990, "FMJ", "A"), (165, 0.150, 1150, "BHP", "G", {"year": NEW_YEAR})]),
    ("10mm Auto", "10MM", 5, "CLP-3", [
        (155, 0.130, 1330, "JHP", "G", {"u": [6, 1]}), (180, 0.160, 1275, "JHP", "H", {"u": [1, 2]}),
        (200, 0.180, 1160, "HCF", "H", {"u": [2, 3], "mark": "HE"})]),
    (".41 Magnum", "41", 4, "CLP-3", [(210, 0.170, 1300, "JSP", "H", {"u": [1, 2]})]),
    (".44 Special", "44S", 4, "CLP-3", [(200, 0.140, 870, "JHP", "G"), (246, 0.160, 755, "LRN", "T")]),
    (".44 Magnum", "44", 6, "CLP-3", [
        (180, 0.150, 1610, "JHP", "H", {"u": [1, 2]}), (240, 0.170, 1350, "JSP", "H", {"u": [2, 3]}),
        (240, 0.180, 1350, "SWC", "A", {"u": [7, 9]}),
        (300, 0.200, 1200, "HCF", "H", {"u": [3, 4], "note": "Hard cast for deep penetration on bear"}),
        (240, 0.170, 1000, "JSP", "H", {"mark": "l", "u": [2]})]),
    (".45 Auto", "45A", 5, "CLP-3", [
        (185, 0.110, 1000, "JHP", "G"), (230, 0.160, 835, "FMJ", "T"), (230, 0.170, 850, "JHP", "G"),
        (185, 0.090, 770, "SWC", "A", {"note": "Semi-wadcutter for bullseye pistols"}),
        (230, 0.180, 950, "BHP", "G", {"mark": "NE"}), (200, 0.150, 1080, "JHP", "G", {"year": NEW_YEAR})]),
    (".45 Colt", "45C", 5.5, "CLP-3", [
        (225, 0.130, 830, "JHP", "G"), (250, 0.150, 750, "LRN", "T", {"note": "Cowboy action: mild for old revolvers"})]),
    (".454 Casull", "454", 7.5, "CSR-4", [(300, 0.180, 1650, "HCF", "H", {"u": [3, 4], "mark": "HE"})]),
]


def pistol_usage(style, brand):
    if brand == "A":
        return [7, 5]
    if brand == "T":
        return [5, 8]
    if brand == "G":
        return [6]
    if brand == "H":
        return [1, 2]
    return [6, 5]


def pistol_rows():
    brand_ids = {code: i + 2 for i, code in enumerate(PISTOL_BRANDS)}
    style_ids = {code: i + 1 for i, code in enumerate(PISTOL_STYLES)}
    rows, n, seen = [], 0, {}
    for cal_id, (cal, code, barrel, primer, loads) in enumerate(PISTOL, start=1):
        for load in loads:
            weight, bc, vel, style, brand = load[:5]
            extra = load[5] if len(load) > 5 else {}
            number = "P%s%s%s%d" % (brand, code, style[0], weight)
            seen[number] = seen.get(number, 0) + 1
            if seen[number] > 1:
                number += chr(ord("A") + seen[number] - 2)
            rows.append({
                "YearIntroduced": extra.get("year", year_for(n)),
                "MarkCode": extra.get("mark", ""),
                "UsageFlags": flags(extra.get("u") or pistol_usage(style, brand)),
                "LoadNumber": number,
                "CaliberId": cal_id,
                "BulletWeight": weight,
                "BallisticCoefficient": fmt_num(bc),
                "BulletStyleId": style_ids[style],
                "PrimerNumber": primer,
                "MuzzleVelocity": vel,
                "BarrelLength": fmt_num(float(barrel)),
                "Note": extra.get("note", ""),
                "BrandId": brand_ids[brand],
            })
            n += 1
    return rows


# ---------------------------------------------------------------- section 2, rimfire
RIMFIRE_BRANDS = {"B": "Corvane Brisk Rimfire", "T": "Corvane Tallowfield Target", "A": "Corvane ARVENTA Match"}
RIMFIRE_STYLES = {
    "PT": "Polymer Tip",
    "HP": "Hollow Point",
    "LRN": "Lead Round Nose",
    "CRN": "Copper Plated Round Nose",
    "JHP": "Jacketed Hollow Point",
    "SUB": "Subsonic Hollow Point",
}
RIMFIRE_USAGES = COMMON_USAGES + ["Plinking", "Pest Control"]
RIMFIRE = [
    (".17 Mach 2", "17M2", 18.5, [(17, 0.125, 2100, "PT", "B")]),
    (".17 HMR", "17H", 24, [
        (17, 0.125, 2550, "PT", "B"), (20, 0.135, 2375, "JHP", "B", {"year": NEW_YEAR, "mark": "HE"}),
        (17, 0.120, 2550, "HP", "B")]),
    (".22 Short", "22S", 24, [(29, 0.080, 1095, "LRN", "T", {"u": [5, 8]})]),
    (".22 Long", "22L", 24, [(29, 0.080, 1240, "LRN", "T", {"u": [8, 1]})]),
    (".22 LR", "22LR", 24, [
        (36, 0.100, 1280, "HP", "B"), (40, 0.125, 1255, "CRN", "B", {"u": [1, 8]}),
        (40, 0.125, 1070, "LRN", "A", {"note": "Standard velocity, batch-tested for groups"}),
        (40, 0.125, 1080, "LRN", "A", {"year": NEW_YEAR}),
        (40, 0.125, 1150, "LRN", "T"), (38, 0.110, 1050, "SUB", "B", {"mark": "L", "note": "Subsonic: quiet for backyard pests"}),
        (36, 0.100, 1435, "HP", "B", {"mark": "HE"}), (40, 0.125, 1235, "CRN", "T", {"u": [8, 9]}),
        (32, 0.090, 1640, "HP", "B", {"mark": "he"})]),
    (".22 WMR", "22M", 24, [
        (30, 0.120, 2200, "PT", "B"), (40, 0.110, 1910, "JHP", "B"), (40, 0.110, 1910, "CRN", "T", {"u": [5, 8]}),
        (45, 0.120, 1550, "JHP", "B", {"u": [6], "note": "Short-barrel load for revolvers"})]),
]


def rimfire_rows():
    brand_ids = {code: i + 2 for i, code in enumerate(RIMFIRE_BRANDS)}
    style_ids = {code: i + 1 for i, code in enumerate(RIMFIRE_STYLES)}
    rows, n, seen = [], 0, {}
    for cal_id, (cal, code, barrel, loads) in enumerate(RIMFIRE, start=1):
        for load in loads:
            weight, bc, vel, style, brand = load[:5]
            extra = load[5] if len(load) > 5 else {}
            number = "R%s%s%s%d" % (brand, code, style[0], weight)
            seen[number] = seen.get(number, 0) + 1
            if seen[number] > 1:
                number += chr(ord("A") + seen[number] - 2)
            default = {"A": [7, 5], "T": [5, 8]}.get(brand, [1])
            rows.append({
                "YearIntroduced": extra.get("year", year_for(n)),
                "MarkCode": extra.get("mark", ""),
                "UsageFlags": flags(extra.get("u") or default),
                "LoadNumber": number,
                "CaliberId": cal_id,
                "BulletWeight": weight,
                "BallisticCoefficient": fmt_num(bc),
                "BulletStyleId": style_ids[style],
                "MuzzleVelocity": vel,
                "BarrelLength": fmt_num(float(barrel)),
                "Note": extra.get("note", ""),
                "BrandId": brand_ids[brand],
            })
            n += 1
    return rows


RIMFIRE_HEADER = ["YearIntroduced", "MarkCode", "UsageFlags", "LoadNumber", "CaliberId", "BulletWeight",
                  "BallisticCoefficient", "BulletStyleId", "MuzzleVelocity", "BarrelLength", "Note", "BrandId"]

# ---------------------------------------------------------------- sections 3 and 4 share gauges
GAUGES = ["10 Gauge", "12 Gauge", "16 Gauge", "20 Gauge", "28 Gauge", ".410 Bore"]  # IDs 1..6
G10, G12, G16, G20, G28, G410 = range(1, 7)
GAUGE_CODE = {G10: "10", G12: "12", G16: "16", G20: "20", G28: "28", G410: "41"}

SLUG_BRANDS = {"D": "Corvane Deerward", "H": "Corvane Harrowline Slug", "S": "Corvane Stonecrest Sabot"}
SLUG_STYLES = {"RS": "Rifled Slug", "HRS": "Hollow Point Rifled Slug", "SAB": "Sabot Slug",
               "CSB": "Saboted Copper Slug", "WAD": "Attached Wad Slug"}
SLUG_USAGES = COMMON_USAGES + ["Deer (Smooth Bore)", "Deer (Rifled Barrel)"]
# gauge, ounces, bc, velocity, style, brand, shell length, dram, usages[, extras]
SLUG = [
    (G12, 1.0, 0.100, 1560, "RS", "D", 2.75, "Max", [2, 8]),
    (G12, 1.0, 0.100, 1680, "HRS", "D", 3.0, "Max", [2, 8], {"mark": "HE"}),
    (G12, 1.25, 0.110, 1520, "RS", "H", 2.75, "Max", [2, 3, 8], {"note": "Heavy slug for bear and boar"}),
    (G12, 0.875, 0.120, 1300, "RS", "D", 2.75, "2 3/4", [2, 8], {"mark": "L"}),
    (G12, 0.875, 0.180, 1900, "SAB", "S", 2.75, "Max", [2, 9], {"note": "Use only in rifled barrels or rifled chokes"}),
    (G12, 0.8125, 0.205, 2000, "CSB", "S", 3.0, "Max", [2, 9], {"year": NEW_YEAR, "note": "Lead-free copper slug"}),
    (G12, 1.0, 0.150, 1450, "WAD", "H", 2.75, "3", [2, 8]),
    (G10, 1.75, 0.120, 1280, "RS", "H", 3.5, "4 1/4", [2, 3, 8]),
    (G16, 0.8, 0.090, 1600, "RS", "D", 2.75, "Max", [2, 8]),
    (G20, 0.75, 0.090, 1600, "RS", "D", 2.75, "Max", [2, 8]),
    (G20, 0.625, 0.170, 1900, "SAB", "S", 3.0, "Max", [2, 9], {"mark": "np"}),
    (G20, 0.5625, 0.195, 2000, "CSB", "S", 2.75, "Max", [2, 9], {"year": NEW_YEAR}),
    (G28, 0.625, 0.080, 1450, "RS", "D", 2.75, "Max", [1, 2, 8]),
    (G410, 0.25, 0.070, 1830, "RS", "D", 2.5, "Max", [1, 8], {"note": "Small game and close shots only"}),
]


def slug_rows():
    brand_ids = {code: i + 2 for i, code in enumerate(SLUG_BRANDS)}
    style_ids = {code: i + 1 for i, code in enumerate(SLUG_STYLES)}
    rows, seen = [], {}
    for n, s in enumerate(SLUG):
        gauge, oz, bc, vel, style, brand, shell, dram, usages = s[:9]
        extra = s[9] if len(s) > 9 else {}
        number = "S%s%s%s%d" % (brand, GAUGE_CODE[gauge], style[0], round(oz * 100))
        seen[number] = seen.get(number, 0) + 1
        if seen[number] > 1:
            number += chr(ord("A") + seen[number] - 2)
        rows.append({
            "YearIntroduced": extra.get("year", year_for(n)),
            "MarkCode": extra.get("mark", ""),
            "UsageFlags": flags(usages),
            "LoadNumber": number,
            "CaliberId": gauge,
            "SlugWeight": fmt_num(oz),
            "BallisticCoefficient": fmt_num(bc),
            "SlugStyleId": style_ids[style],
            "MuzzleVelocity": vel,
            "BarrelLength": fmt_num(24.0),
            "ShellLength": fmt_num(shell),
            "DramEquivalent": dram,
            "Note": extra.get("note", ""),
            "BrandId": brand_ids[brand],
        })
    return rows


SLUG_HEADER = ["YearIntroduced", "MarkCode", "UsageFlags", "LoadNumber", "CaliberId", "SlugWeight",
               "BallisticCoefficient", "SlugStyleId", "MuzzleVelocity", "BarrelLength", "ShellLength",
               "DramEquivalent", "Note", "BrandId"]

# ---------------------------------------------------------------- section 4, shotshell
SHOT_BRANDS = {
    "U": "Corvane Upland Vell",
    "M": "Corvane Marshline Steel",
    "X": "Corvane Tundrax Tungsten",
    "C": "Corvane Clayfield Target",
    "A": "Corvane ARVENTA Match",
    "B": "Corvane Buckward",
    "K": "Corvane Strutline Turkey",
    "Z": "Corvane Salute Blanks",
}
# Shot size list: name, entry of the built-in shot-size table (t4indx.lst line).
SHOT_SIZES = [("F", 0), ("T", 1), ("BBB", 2), ("BB", 3), ("1", 4), ("2", 5), ("3", 6), ("4", 7),
              ("5", 8), ("6", 9), ("7", 10), ("7 1/2", 11), ("8", 12), ("8 1/2", 13), ("9", 14),
              ("12 (Dust)", 15), ("000 Buck", 16), ("00 Buck", 17), ("0 Buck", 18), ("1 Buck", 19),
              ("2 Buck", 20), ("3 Buck", 21), ("4 Buck", 22), ("Blank", 23)]
SHOT_ID = {name: i + 1 for i, (name, _) in enumerate(SHOT_SIZES)}
MATERIALS = ["Lead", "Steel", "Tungsten-Iron", "Copper Plated Lead", "None"]  # IDs 0..4
LEAD, STEEL, TUNG, CPL, NONE = range(5)
SHOT_USAGES = COMMON_USAGES + ["Upland Game", "Waterfowl", "Turkey", "Trap & Skeet", "Sporting Clays",
                               "Training & Salute"]
UPLAND, FOWL, TURKEY, TRAP, CLAYS, SALUTE = range(8, 14)

OZ_TEXT = {0.5: "1/2", 0.75: "3/4", 0.875: "7/8", 1.0: "1", 1.125: "1 1/8", 1.25: "1 1/4", 1.375: "1 3/8",
           1.5: "1 1/2", 1.625: "1 5/8", 1.75: "1 3/4", 1.875: "1 7/8", 2.0: "2", 2.25: "2 1/4",
           0.6875: "11/16", 0.9375: "15/16", 0.625: "5/8", 0.5625: "9/16", 1.1875: "1 3/16", 0.0: ""}


def sizes_text(sizes):
    return ", ".join(sizes)


# gauge, ounces, sizes, velocity, shell, dram, material, brand, usages[, extras]
# extras: text (whole shot-size text), mark, year, note
SHOTSHELL = []


def add(gauge, oz, sizes, vel, shell, dram, mat, brand, usages, **extra):
    SHOTSHELL.append((gauge, oz, sizes, vel, shell, dram, mat, brand, usages, extra))


# 12 gauge target and match
for oz, size, vel, brand, dram in [(1.125, "7 1/2", 1200, "C", "3"), (1.125, "8", 1145, "C", "2 3/4"),
                                   (1.0, "7 1/2", 1180, "C", "2 3/4"), (1.0, "8", 1180, "C", "2 3/4"),
                                   (1.125, "7 1/2", 1200, "A", "3"), (1.125, "8", 1145, "A", "2 3/4"),
                                   (1.0, "8 1/2", 1235, "A", "3"), (1.125, "9", 1200, "C", "3"),
                                   (0.875, "7 1/2", 1200, "C", "2 1/2")]:
    add(G12, oz, [size], vel, 2.75, dram, LEAD, brand, [TRAP, CLAYS] + ([7] if brand == "A" else []),
        mark="L" if oz == 0.875 else "")
add(G12, 1.0, ["7 1/2"], 1290, 2.75, "3 1/4", CPL, "A", [TRAP, CLAYS], year=NEW_YEAR,
    note="Handicap trap; plated shot")
add(G12, 0.875, ["8"], 1250, 2.75, "2 3/4", STEEL, "C", [TRAP, CLAYS], note="Steel target load for lead-free ranges")
# 12 gauge upland lead
for oz, sizes, vel, shell, dram, brand in [(1.0, ["6"], 1290, 2.75, "3 1/4", "U"), (1.0, ["7 1/2"], 1290, 2.75, "3 1/4", "U"),
                                           (1.0, ["8"], 1290, 2.75, "3 1/4", "U"),
                                           (1.125, ["6"], 1255, 2.75, "3 1/4", "U"), (1.125, ["7 1/2"], 1255, 2.75, "3 1/4", "U"),
                                           (1.25, ["4"], 1330, 2.75, "3 3/4", "U"), (1.25, ["5"], 1330, 2.75, "3 3/4", "U"),
                                           (1.25, ["6"], 1330, 2.75, "3 3/4", "U"), (1.25, ["7 1/2"], 1330, 2.75, "3 3/4", "U"),
                                           (1.5, ["4"], 1260, 2.75, "Max", "U"), (1.5, ["5"], 1260, 2.75, "Max", "U"),
                                           (1.5, ["6"], 1260, 2.75, "Max", "U"), (1.625, ["4"], 1280, 3.0, "Max", "U"),
                                           (1.875, ["4"], 1210, 3.0, "Max", "U"), (1.25, ["2"], 1330, 2.75, "3 3/4", "U")]:
    add(G12, oz, sizes, vel, shell, dram, LEAD if oz < 1.5 else CPL, brand, [UPLAND, 1] if oz < 1.25 else [UPLAND, 1, TURKEY if oz >= 1.5 else UPLAND],
        mark="NP" if (oz, sizes[0]) == (1.25, "6") else "")
add(G12, 1.25, ["4", "5", "6"], 1400, 2.75, "Max", CPL, "U", [UPLAND, 1], mark="HE", note="High velocity pheasant load")
add(G12, 1.375, ["4", "6"], 1300, 3.0, "Max", CPL, "U", [UPLAND, 1, TURKEY], year=NEW_YEAR,
    text="1 3/8 oz - 4, 6*", note="* Copper plated shot, new for this year")
# 12 gauge steel waterfowl
for oz, size, vel, shell, dram in [(1.125, "2", 1450, 3.0, "Max"), (1.125, "4", 1450, 3.0, "Max"),
                                   (1.25, "BB", 1400, 3.0, "Max"), (1.25, "2", 1400, 3.0, "Max"),
                                   (1.25, "3", 1400, 3.0, "Max"), (1.375, "BBB", 1300, 3.0, "Max"),
                                   (1.375, "T", 1300, 3.5, "Max"), (1.5, "BB", 1350, 3.5, "Max"),
                                   (1.5, "2", 1350, 3.5, "Max"), (1.0, "6", 1300, 2.75, "3 1/2"),
                                   (1.125, "F", 1450, 3.5, "Max")]:
    add(G12, oz, [size], vel, shell, dram, STEEL, "M", [FOWL], mark="HE" if vel >= 1450 else "")
add(G12, 1.25, ["BB", "2"], 1550, 3.0, "Max", STEEL, "M", [FOWL], mark="he", year=NEW_YEAR, note="Fastest steel load of the line")
add(G12, 1.125, ["1", "3"], 1400, 3.0, "Max", STEEL, "M", [FOWL, UPLAND])
# 12 gauge tungsten
add(G12, 1.375, ["BB"], 1350, 3.0, "Max", TUNG, "X", [FOWL], note="Denser than lead; safe for modern chokes only")
add(G12, 1.375, ["2"], 1350, 3.0, "Max", TUNG, "X", [FOWL])
add(G12, 1.625, ["4"], 1300, 3.5, "Max", TUNG, "X", [FOWL, TURKEY], year=NEW_YEAR)
add(G12, 1.75, ["6"], 1200, 3.0, "Max", TUNG, "K", [TURKEY], mark="NP")
add(G12, 2.0, ["4", "5", "6"], 1200, 3.5, "Max", CPL, "K", [TURKEY], note="Magnum turkey load; heavy recoil")
add(G12, 1.875, ["5"], 1210, 3.0, "Max", CPL, "K", [TURKEY])
# 12 gauge buckshot
for text, size, oz, vel, shell, usages, extra in [
        ("000 Buck - 8 pellets", "000 Buck", 1.3, 1325, 2.75, [2, 6], {}),
        ("00 Buck - 9 pellets", "00 Buck", 1.2, 1325, 2.75, [2, 6], {}),
        ("00 Buck - 12 pellets", "00 Buck", 1.6, 1290, 3.0, [2], {"mark": "HE"}),
        ("00 Buck - 15 pellets", "00 Buck", 2.0, 1100, 3.5, [2], {}),
        ("00 Buck - 8 pellets", "00 Buck", 1.05, 1145, 2.75, [6], {"mark": "L", "note": "Reduced recoil, tight patterns"}),
        ("0 Buck - 12 pellets", "0 Buck", 1.45, 1275, 2.75, [2, 6], {}),
        ("1 Buck - 16 pellets", "1 Buck", 1.4, 1250, 2.75, [2, 6], {}),
        ("1 Buck - 24 pellets", "1 Buck", 2.1, 1040, 3.0, [2], {"year": NEW_YEAR}),
        ("4 Buck - 27 pellets", "4 Buck", 1.3, 1325, 2.75, [1, 2, 6], {}),
        ("4 Buck - 41 pellets", "4 Buck", 1.95, 1210, 3.0, [1, 2], {}),
        ("3 Buck - 20 pellets", "3 Buck", 1.3, 1225, 2.75, [6], {})]:
    add(G12, oz, [size], vel, shell, "Max", LEAD, "B", usages, text=text, **extra)
# 10 gauge
add(G10, 2.0, ["4"], 1210, 3.5, "4 1/2", CPL, "K", [TURKEY])
add(G10, 1.625, ["BB"], 1350, 3.5, "Max", STEEL, "M", [FOWL], mark="NP")
add(G10, 1.625, ["T"], 1350, 3.5, "Max", STEEL, "M", [FOWL])
add(G10, 1.625, ["BBB", "BB"], 1400, 3.5, "Max", TUNG, "X", [FOWL], year=NEW_YEAR)
add(G10, 0.0, ["4 Buck"], 1100, 3.5, "Max", LEAD, "B", [2], text="4 Buck - 54 pellets")
# 16 gauge
for oz, size, vel, mat, brand, usages in [(1.0, "6", 1165, LEAD, "U", [UPLAND, 1]), (1.0, "7 1/2", 1165, LEAD, "U", [UPLAND, 1]),
                                          (1.125, "4", 1295, LEAD, "U", [UPLAND, 1]), (1.125, "6", 1295, LEAD, "U", [UPLAND]),
                                          (0.9375, "2", 1300, STEEL, "M", [FOWL]), (1.0, "8", 1165, LEAD, "C", [TRAP, CLAYS])]:
    add(G16, oz, [size], vel, 2.75, "2 3/4" if vel < 1200 else "3 1/4", mat, brand, usages)
add(G16, 0.0, ["1 Buck"], 1225, 2.75, "Max", LEAD, "B", [2], text="1 Buck - 12 pellets")
# 20 gauge
for oz, size, vel, mat, brand, usages, shell in [(0.875, "7 1/2", 1200, LEAD, "C", [TRAP, CLAYS], 2.75),
                                                 (0.875, "8", 1200, LEAD, "C", [TRAP, CLAYS], 2.75),
                                                 (0.875, "9", 1200, LEAD, "A", [TRAP, CLAYS], 2.75),
                                                 (0.875, "8", 1210, LEAD, "A", [TRAP, CLAYS, 7], 2.75),
                                                 (1.0, "4", 1220, LEAD, "U", [UPLAND, 1], 2.75),
                                                 (1.0, "6", 1220, LEAD, "U", [UPLAND, 1], 2.75),
                                                 (1.0, "7 1/2", 1220, LEAD, "U", [UPLAND, 1], 2.75),
                                                 (1.0, "8", 1220, LEAD, "U", [UPLAND, 1], 2.75),
                                                 (1.25, "4", 1185, CPL, "U", [UPLAND, TURKEY], 3.0),
                                                 (1.25, "5", 1185, CPL, "K", [TURKEY], 3.0),
                                                 (0.875, "2", 1300, STEEL, "M", [FOWL], 3.0),
                                                 (0.875, "4", 1300, STEEL, "M", [FOWL], 3.0),
                                                 (0.75, "6", 1350, STEEL, "M", [FOWL, UPLAND], 2.75),
                                                 (1.0, "4", 1250, TUNG, "X", [FOWL], 3.0)]:
    add(G20, oz, [size], vel, shell, "2 1/2" if vel <= 1200 else "Max", mat, brand, usages,
        mark="L" if (oz, size, brand) == (0.875, "7 1/2", "C") else "")
add(G20, 1.0, ["5", "6"], 1300, 2.75, "Max", LEAD, "U", [UPLAND, 1], mark="NE", note="Nickel plated shot, high velocity")
add(G20, 0.0, ["3 Buck"], 1200, 2.75, "Max", LEAD, "B", [2, 6], text="3 Buck - 20 pellets")
add(G20, 0.0, ["2 Buck"], 1200, 3.0, "Max", LEAD, "B", [2], text="2 Buck - 18 pellets", year=NEW_YEAR)
add(G20, 0.875, ["7 1/2"], 1100, 2.75, "2 1/4", LEAD, "U", [UPLAND, 1], mark="l", year=NEW_YEAR,
    note="Low recoil: about ½ the kick of a field load")
# 28 gauge and .410
for oz, size, vel, brand, usages in [(0.75, "6", 1295, "U", [UPLAND, 1]), (0.75, "7 1/2", 1295, "U", [UPLAND, 1]),
                                     (0.75, "8", 1200, "C", [TRAP, CLAYS]), (0.75, "9", 1200, "A", [TRAP, CLAYS, 7])]:
    add(G28, oz, [size], vel, 2.75, "2" if vel < 1250 else "2 1/4", LEAD, brand, usages)
add(G28, 0.625, ["7 1/2", "8"], 1200, 2.75, "Max", STEEL, "M", [UPLAND], year=NEW_YEAR, note="Non-toxic shot for dove fields")
for oz, size, vel, shell, brand, usages in [(0.5, "9", 1200, 2.5, "C", [TRAP, CLAYS]), (0.5, "8 1/2", 1200, 2.5, "A", [TRAP, CLAYS]),
                                            (0.6875, "4", 1135, 3.0, "U", [UPLAND, 1]),
                                            (0.6875, "6", 1135, 3.0, "U", [UPLAND, 1]),
                                            (0.6875, "7 1/2", 1135, 3.0, "U", [UPLAND, 1])]:
    add(G410, oz, [size], vel, shell, "Max", LEAD, brand, usages)
add(G410, 0.0, ["000 Buck"], 1135, 3.0, "Max", LEAD, "B", [6], text="000 Buck - 5 pellets",
    note="For .410 revolvers and shotguns")
add(G410, 0.5, ["12 (Dust)"], 1000, 2.5, "Max", LEAD, "U", [1], text="Lead dust shot",
    note="Pest load: snakes and rodents at close range")
add(G410, 0.75, ["7 1/2", "8", "9"], 1135, 3.0, "Max", LEAD, "U", [UPLAND], text="Lead 7 1/2, 8, 9",
    note="Mixed shot sizes for the 3 in. shell")
# blanks
add(G12, 0.0, ["Blank"], 0, 2.75, "", NONE, "Z", [SALUTE], text="Blank",
    note="No shot: for dog training and salutes")
add(G10, 0.0, ["Blank"], 0, 2.875, "", NONE, "Z", [SALUTE], text="Blank", note="Cannon and starting blanks")


def oz_text(oz):
    return OZ_TEXT[oz] + " oz"


def shot_rows():
    brand_ids = {code: i + 2 for i, code in enumerate(SHOT_BRANDS)}
    rows, seen = [], {}
    for n, (gauge, oz, sizes, vel, shell, dram, mat, brand, usages, extra) in enumerate(SHOTSHELL):
        text = extra.get("text") or "%s - %s" % (oz_text(oz), sizes_text(sizes))
        if oz == 0.0 and "pellets" in text:  # buckshot charge from pellet count and size
            count = int(text.split(" - ")[1].split()[0])
            grains_per = {"000 Buck": 70.0, "00 Buck": 53.8, "0 Buck": 48.3, "1 Buck": 40.0, "2 Buck": 29.0,
                          "3 Buck": 23.4, "4 Buck": 20.6}[sizes[0]]
            oz = round(count * grains_per / 437.5 * 16) / 16
        energy = round(oz * 437.5 * vel * vel / 450437) if oz else 0
        first = sizes[0].split()[0].replace("/", "")
        number = "%s%s%s%d" % (brand, GAUGE_CODE[gauge], first, round(oz * 100))
        seen[number] = seen.get(number, 0) + 1
        if seen[number] > 1:
            number += chr(ord("A") + seen[number] - 2)
        rows.append({
            "YearIntroduced": extra.get("year", year_for(n)),
            "MarkCode": extra.get("mark", ""),
            "UsageFlags": flags(usages),
            "LoadNumber": number,
            "CaliberId": gauge,
            "ShotWeight": fmt_num(float(oz)),
            "ShotSizeText": text,
            "ShotSizeFlags": flags(SHOT_ID[s] for s in sizes),
            "MuzzleVelocity": vel,
            "MuzzleEnergy": energy,
            "ShellLength": fmt_num(float(shell)),
            "DramEquivalent": dram,
            "Note": extra.get("note", ""),
            "BrandId": brand_ids[brand],
            "MaterialId": mat,
        })
    return rows


SHOT_HEADER = ["YearIntroduced", "MarkCode", "UsageFlags", "LoadNumber", "CaliberId", "ShotWeight", "ShotSizeText",
               "ShotSizeFlags", "MuzzleVelocity", "MuzzleEnergy", "ShellLength", "DramEquivalent", "Note", "BrandId",
               "MaterialId"]

# ---------------------------------------------------------------- section 5, components
COMPONENT_TYPES = ["Rifle Primers", "Pistol Primers", "Shotshell Primers", "Percussion Caps"]
IGNIS = "Corvane Ignis Primers"
# type, item, gauge, diameter, product, brand, description, usage text
COMPONENTS = [
    (1, "CSR-4", "", 0.175, "1000 ct", IGNIS, "Small Rifle Primer", "Standard small rifle cartridges: .222, .223 Remington"),
    (1, "CSR-4M", "", 0.175, "1000 ct", IGNIS, "Small Rifle Magnum Primer", "Ball powders and compressed loads in small rifle cases"),
    (1, "CSR-4B", "", 0.175, "1000 ct", IGNIS, "Small Rifle Bench Primer", "Match loads in .223 Remington and 6mm PPC"),
    (1, "CLR-7", "", 0.210, "1000 ct", IGNIS, "Large Rifle Primer", "Standard cases from .243 Winchester to .30-06 Springfield"),
    (1, "CLRM-8", "", 0.210, "1000 ct", IGNIS, "Large Rifle Magnum Primer", "Belted magnums and large charges of slow powder"),
    (1, "CLR-7B", "", 0.210, "1000 ct", IGNIS, "Large Rifle Bench Primer", "Match loads in .308 Winchester and 6.5 Creedmoor"),
    (1, "CLR-7C", "", 0.210, "5000 ct", IGNIS, "Large Rifle Primer, Case Lot", "Bulk pack of the standard large rifle primer"),
    (1, "CSR-4H", "", 0.175, "1000 ct", IGNIS, "Small Rifle Hard Cup Primer", "Rifles with floating firing pins, such as AR-15s"),
    (2, "CSP-1", "", 0.175, "1000 ct", IGNIS, "Small Pistol Primer", "9mm Luger, .38 Special, .380 Auto and similar"),
    (2, "CSPM-2", "", 0.175, "1000 ct", IGNIS, "Small Pistol Magnum Primer", ".357 Magnum and heavy .38 Special loads"),
    (2, "CLP-3", "", 0.210, "1000 ct", IGNIS, "Large Pistol Primer", ".45 Auto, .44 Special, .45 Colt and similar"),
    (2, "CLPM-5", "", 0.210, "1000 ct", IGNIS, "Large Pistol Magnum Primer", ".44 Magnum and .454 Casull with slow powders"),
    (2, "CSP-1M", "", 0.175, "1000 ct", IGNIS, "Small Pistol Match Primer", "Bullseye and action pistol competition loads"),
    (2, "CLP-3M", "", 0.210, "1000 ct", IGNIS, "Large Pistol Match Primer", "Precision .45 Auto wadcutter and ball loads"),
    (2, "CSP-1C", "", 0.175, "5000 ct", IGNIS, "Small Pistol Primer, Case Lot", "Bulk pack of the standard small pistol primer"),
    (3, "C209", "12-410", 0.0, "1000 ct", IGNIS, "209 Shotshell Primer", "Target and field loads in all gauges"),
    (3, "C209M", "10-20", 0.0, "1000 ct", IGNIS, "209 Magnum Shotshell Primer", "Steel, tungsten and heavy magnum loads"),
    (3, "C209A", "12", 0.0, "1000 ct", IGNIS, "209 Target Primer", "Trap, skeet and sporting clays reloads"),
    (3, "C209S", "12-20", 0.0, "1000 ct", IGNIS, "209 Steel Shot Primer", "Hot primer for steel shot waterfowl reloads"),
    (3, "C209C", "12-410", 0.0, "5000 ct", IGNIS, "209 Shotshell Primer, Case Lot", "Bulk pack for high-volume clay shooters"),
    (4, "CPC-11", "", 0.0, "100 ct", "Corvane Ignis Caps", "No. 11 Percussion Cap", "Muzzleloading rifles and revolvers with No. 11 nipples"),
    (4, "CPC-209", "", 0.0, "100 ct", "Corvane Ignis Caps", "209 Muzzleloader Primer", "In-line muzzleloaders; new for this year"),
]
COMPONENT_HEADER = ["reserved", "ComponentTypeId", "ItemNumber", "Gauge", "PrimerDiameter", "Product", "BrandName",
                    "Description", "UsageText"]


def component_rows():
    return [{"reserved": 0, "ComponentTypeId": t, "ItemNumber": item, "Gauge": gauge,
             "PrimerDiameter": fmt_num(float(dia)), "Product": product, "BrandName": brand,
             "Description": desc, "UsageText": usage}
            for t, item, gauge, dia, product, brand, desc, usage in COMPONENTS]


# ---------------------------------------------------------------- descriptions and pictures
BRAND_TEXT = {
    "Corvane Harrowline": "The working hunter's load: cup-and-core soft points that open reliably at all ranges and hold together on bone.",
    "Corvane Stonecrest Premium": "Bonded, tipped and copper bullets for the hunt that counts. High weight retention and deep, straight penetration.",
    "Corvane Brisk Varmint": "Light, fast and frangible. Brisk bullets expand violently on prairie dogs, coyotes and woodchucks and leave little ricochet.",
    "Corvane ARVENTA Match": "The ARVENTA line is loaded in small lots with weighed charges and sorted cases for the tightest groups at the match.",
    "Corvane Velmira Safari": "Heavy-for-caliber bonded softs and solids for dangerous game. Every round is inspected and test-fired by lot.",
    "Corvane Trailhand": "Economical full metal jacket ammunition for practice, training and high-volume plinking.",
    "Corvane Lowkick": "Reduced recoil hunting loads: about a third less kick with full killing power to 200 yards.",
    "Corvane Guardis Defense": "Personal defense loads with hollow points that expand through heavy clothing and hold their weight.",
    "Corvane Trailhand Range": "Clean-burning range ammunition with full metal jacket and lead bullets for training and practice.",
    "Corvane Stonecrest Handgun": "Semi-wadcutters and soft points for woods and field carry.",
    "Corvane Harrowline Handgun Hunter": "Heavy soft points and hard cast bullets for handgun hunters who take game at close range.",
    "Corvane Brisk Rimfire": "High velocity rimfire loads for varmints and small game.",
    "Corvane Tallowfield Target": "Accurate, clean and affordable rimfire ammunition for target practice and plinking.",
    "Corvane Deerward": "Full bore rifled slugs that fly true from smooth bore barrels and hit hard on deer.",
    "Corvane Harrowline Slug": "Heavy slugs for big deer, boar and bear at close range.",
    "Corvane Stonecrest Sabot": "Sabot slugs for rifled barrels: rifle-like accuracy to 150 yards.",
    "Corvane Upland Vell": "Upland game loads with hard, round shot for pheasant, grouse, quail and rabbits.",
    "Corvane Marshline Steel": "Non-toxic steel shot loads for ducks and geese, with a wad that keeps the shot off the bore.",
    "Corvane Tundrax Tungsten": "Tungsten-iron shot, denser than lead, for long shots at waterfowl and turkey.",
    "Corvane Clayfield Target": "Target loads for trap, skeet and sporting clays with soft recoil and consistent patterns.",
    "Corvane Buckward": "Buckshot in buffered, copper plated loads for deer hunting and home defense.",
    "Corvane Strutline Turkey": "Heavy, dense turkey loads for tight patterns at 40 yards and beyond.",
    "Corvane Salute Blanks": "Blank shells for dog training, salutes and starting signals. No shot.",
}
STYLE_TEXT = {
    "Pointed Soft Point": "A pointed bullet with exposed lead at the tip for controlled expansion and a flat trajectory.",
    "Round Nose Soft Point": "A round nose with a broad lead tip for brush hunting and tube magazines.",
    "Hollow Point": "A cavity at the nose starts rapid expansion on impact.",
    "Polymer Tip": "A polymer tip improves the ballistic coefficient and drives expansion.",
    "Bonded Soft Point": "Core and jacket are bonded together so the bullet keeps its weight on bone and muscle.",
    "Match Hollow Point Boat Tail": "A boat tail and a small hollow point meplat for consistent flight at long range. Not for hunting.",
    "Full Metal Jacket": "A full copper jacket for clean feeding and no expansion: practice and training.",
    "Copper Hollow Point": "A solid copper bullet with a deep hollow point: lead-free with full weight retention.",
    "Flat Nose Soft Point": "A flat nose for safe use in tube magazines.",
    "Full Metal Jacket Solid": "A heavy-walled solid for straight-line penetration on thick-skinned game.",
    "Jacketed Hollow Point": "A jacketed hollow point for controlled expansion at handgun velocities.",
    "Lead Round Nose": "A plain lead round nose for economical practice.",
    "Semi-Wadcutter": "A sharp shoulder cuts clean holes in paper and game.",
    "Wadcutter": "A flat-faced target bullet that punches full-diameter holes.",
    "Jacketed Soft Point": "Exposed lead at the nose for expansion at magnum velocities.",
    "Bonded Hollow Point": "A bonded hollow point that holds together through barriers.",
    "Hard Cast Flat Nose": "A hard alloy cast bullet with a wide flat nose for deep penetration.",
    "Copper Plated Round Nose": "A plated round nose that keeps the bore clean.",
    "Subsonic Hollow Point": "Below the speed of sound for quiet shooting.",
    "Rifled Slug": "A full bore lead slug with angled ribs for smooth bore barrels.",
    "Hollow Point Rifled Slug": "A rifled slug with a deep hollow point for fast expansion.",
    "Sabot Slug": "A sub-caliber slug in a plastic sabot that takes the rifling.",
    "Saboted Copper Slug": "A solid copper sabot slug: lead-free, with full weight retention.",
    "Attached Wad Slug": "A slug with its wad attached for stable flight from any barrel.",
}
PROJECTILE_PICTURE = {  # style -> projectile picture
    "Pointed Soft Point": "bullet-sp.jpg", "Round Nose Soft Point": "bullet-rn.jpg", "Hollow Point": "bullet-hp.jpg",
    "Polymer Tip": "bullet-pt.jpg", "Bonded Soft Point": "bullet-sp.jpg", "Match Hollow Point Boat Tail": "bullet-hp.jpg",
    "Full Metal Jacket": "bullet-fmj.jpg", "Copper Hollow Point": "bullet-cu.jpg", "Flat Nose Soft Point": "bullet-fn.jpg",
    "Full Metal Jacket Solid": "bullet-fmj.jpg", "Jacketed Hollow Point": "bullet-hp.jpg", "Lead Round Nose": "bullet-lead.jpg",
    "Semi-Wadcutter": "bullet-lead.jpg", "Wadcutter": "bullet-lead.jpg", "Jacketed Soft Point": "bullet-fn.jpg",
    "Bonded Hollow Point": "bullet-hp.jpg", "Hard Cast Flat Nose": "bullet-lead.jpg",
    "Copper Plated Round Nose": "bullet-rn.jpg", "Subsonic Hollow Point": "bullet-hp.jpg",
    "Rifled Slug": "slug.jpg", "Hollow Point Rifled Slug": "slug.jpg", "Sabot Slug": "slug-sabot.jpg",
    "Saboted Copper Slug": "slug-sabot.jpg", "Attached Wad Slug": "slug.jpg",
}
BOX_PICTURE = {0: "box-rifle.jpg", 1: "box-pistol.jpg", 2: "box-rimfire.jpg", 3: "box-slug.jpg", 4: "box-shotshell.jpg"}


def derived_shot_name(text):
    pos = text.find("-")
    if pos >= 1:
        return text[pos + 1:].strip()
    return text if text == "Blank" else "Shot (all sizes)"


def shot_description(name):
    if name == "Blank":
        return "A blank shell: powder and wad only, no shot."
    if name == "Shot (all sizes)":
        return "A mix of shot sizes or an unsized charge; see the load's shot size text."
    if "pellets" in name:
        return "The load holds %s of buckshot in a buffered charge for dense, even patterns." % name
    sizes = [s.strip().rstrip("*") for s in name.split(",")]
    if len(sizes) == 1:
        return "Shot size %s. Use the pellet data window for pellet counts and diameters." % sizes[0]
    return "Offered in shot sizes %s and %s." % (", ".join(sizes[:-1]), sizes[-1])


def shot_picture(row):
    text = row["ShotSizeText"]
    if text == "Blank":
        return "shell-blank.jpg"
    if "pellets" in text:
        return "shot-buck.jpg"
    return {LEAD: "shot-lead.jpg", CPL: "shot-lead.jpg", STEEL: "shot-steel.jpg", TUNG: "shot-tungsten.jpg"}.get(
        row["MaterialId"], "shot-lead.jpg")


def descriptions(brand_lists, style_lists, shot_rows_):
    lines = ["; Product descriptions and pictures of the Corvane sample catalog.", ""]
    for tab in range(5):
        lines.append("[brand %d]" % tab)
        lines += ["%s=%s" % (b, BRAND_TEXT[b]) for b in brand_lists[tab]]
        lines.append("")
        lines.append("[bullet %d]" % tab)
        if tab < 4:
            lines += ["%s=%s" % (s, STYLE_TEXT[s]) for s in style_lists[tab]]
        else:
            names = []
            for row in shot_rows_:
                name = derived_shot_name(row["ShotSizeText"])
                if name.upper() not in [n.upper() for n in names]:
                    names.append(name)
            lines += ["%s=%s" % (n.upper(), shot_description(n)) for n in names]
        lines.append("")
        lines.append("[box %d]" % tab)
        for b in brand_lists[tab]:
            lines.append("%s=%s" % (b, "box-match.jpg" if "ARVENTA" in b.upper() else BOX_PICTURE[tab]))
        lines.append("")
        lines.append("[projectile %d]" % tab)
        if tab < 4:
            lines += ["%s=%s" % (s, PROJECTILE_PICTURE[s]) for s in style_lists[tab]]
        else:
            done = set()
            for row in shot_rows_:
                if row["ShotSizeText"].upper() not in done:
                    done.add(row["ShotSizeText"].upper())
                    lines.append("%s=%s" % (row["ShotSizeText"], shot_picture(row)))
        lines.append("")
    return lines


def main():
    rifle = bullet_rows(RIFLE, RIFLE_BRANDS, RIFLE_STYLES)
    pistol = pistol_rows()
    rimfire = rimfire_rows()
    slug = slug_rows()
    shot = shot_rows()
    comps = component_rows()
    write_csv("t0-rifle.txt", BULLET_HEADER, rifle)
    write_csv("t1-pistol.txt", BULLET_HEADER, pistol)
    write_csv("t2-rimfire.txt", RIMFIRE_HEADER, rimfire)
    write_csv("t3-slug.txt", SLUG_HEADER, slug)
    write_csv("t4-shotshell.txt", SHOT_HEADER, shot)
    write_csv("t5-components.txt", COMPONENT_HEADER, comps)

    brand_lists = [list(RIFLE_BRANDS.values()), list(PISTOL_BRANDS.values()), list(RIMFIRE_BRANDS.values()),
                   list(SLUG_BRANDS.values()), list(SHOT_BRANDS.values())]
    style_lists = [list(RIFLE_STYLES.values()), list(PISTOL_STYLES.values()), list(RIMFIRE_STYLES.values()),
                   list(SLUG_STYLES.values()), [name for name, _ in SHOT_SIZES]]
    caliber_lists = [[c[0] for c in RIFLE], [c[0] for c in PISTOL], [c[0] for c in RIMFIRE], GAUGES, GAUGES]
    usage_lists = [RIFLE_USAGES, PISTOL_USAGES, RIMFIRE_USAGES, SLUG_USAGES, SHOT_USAGES]
    for tab in range(5):
        write_lines("Data/t%dbr.lst" % tab, brand_lists[tab])
        write_lines("Data/t%dca.lst" % tab, caliber_lists[tab])
        write_lines("Data/t%dbu.lst" % tab, style_lists[tab])
        write_lines("Data/t%dus.lst" % tab, usage_lists[tab])
    write_lines("Data/t4pm.lst", MATERIALS)
    write_lines("Data/t4indx.lst", [str(entry) for _, entry in SHOT_SIZES])
    write_lines("Data/t5pt.lst", COMPONENT_TYPES)
    write_lines("ProductInfo/descriptions.ini", descriptions(brand_lists, style_lists, shot))
    print("rifle %d, pistol %d, rimfire %d, slug %d, shotshell %d, components %d" % (
        len(rifle), len(pistol), len(rimfire), len(slug), len(shot), len(comps)))


if __name__ == "__main__":
    main()
