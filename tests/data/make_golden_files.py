#!/usr/bin/env python3
"""Writes the golden parameter files of tests/files, laid out by hand from the file format.

Run once from this directory; the files it writes are checked in and read by the tests. It
shares no code with the program: every value below is the default of motorcycle preset 2
(engine size 750 cc, excitation 3000 us) written out in the file's shown units.
"""

RPM_AXIS = [1000, 2000, 3000, 4000, 5000, 5500, 6000, 6500, 7000, 7500, 8000, 9000, 10000,
            11000, 12000]
ADVANCE_CURVE = [9, 19, 30, 36, 36, 35, 34, 34, 34, 34, 34, 34, 34, 34, 34]

# Base injection tables (tens of microseconds), rows TPS 0..100 %, columns 1000..16000 rpm.
TABLE_1 = [
    [110, 80, 65, 65, 55, 45, 50, 50, 50, 50],
    [120, 80, 65, 60, 50, 50, 50, 50, 50, 50],
    [137, 95, 75, 63, 48, 43, 33, 21, 21, 21],
    [163, 135, 113, 88, 58, 55, 55, 55, 55, 55],
    [235, 195, 153, 138, 115, 100, 95, 95, 95, 95],
    [287, 245, 200, 170, 143, 140, 130, 122, 122, 122],
    [343, 303, 270, 230, 168, 185, 188, 188, 188, 188],
    [355, 355, 353, 325, 248, 258, 243, 211, 211, 211],
    [355, 345, 398, 445, 485, 475, 445, 385, 385, 385],
    [360, 345, 395, 400, 475, 570, 550, 430, 430, 430],
]
TABLE_2 = [
    [110, 80, 65, 65, 55, 45, 50, 50, 50, 50],
    [120, 80, 65, 60, 50, 50, 50, 50, 50, 50],
    [137, 95, 75, 63, 48, 43, 35, 15, 15, 15],
    [163, 135, 113, 88, 58, 55, 55, 55, 55, 55],
    [245, 170, 160, 148, 118, 90, 85, 85, 85, 85],
    [305, 245, 213, 188, 160, 130, 125, 117, 117, 117],
    [363, 288, 290, 248, 193, 165, 188, 188, 188, 188],
    [375, 335, 395, 325, 255, 213, 260, 232, 232, 232],
    [395, 290, 448, 505, 565, 440, 495, 535, 535, 535],
    [395, 285, 465, 445, 510, 595, 575, 515, 515, 515],
]
TABLE_RPM = [1000, 2000, 3000, 4000, 6000, 8000, 10000, 12000, 14000, 16000]
TPS_POINTS = [0, 20, 50, 100, 200, 300, 400, 600, 800, 1000]
ENGINE_SIZE = 750


def lerp(x, x0, x1, v0, v1):
    if x <= x0:
        return v0
    if x >= x1:
        return v1
    if v0 == v1:
        return v0
    if v0 < v1:
        return v0 + (v1 - v0) * (x - x0) // (x1 - x0)
    return v1 + (v0 - v1) * (x1 - x) // (x1 - x0)


def base_map(table):
    scaled = [[v * ENGINE_SIZE // 600 for v in row] for row in table]
    cells = []
    for r in range(10):
        for c in range(15):
            x, y = RPM_AXIS[c], TPS_POINTS[r]
            i = 1
            while i < 9 and TABLE_RPM[i] <= x:
                i += 1
            j = 1
            while j < 9 and TPS_POINTS[j] <= y:
                j += 1
            lo0, lo1 = 10 * scaled[j - 1][i - 1], 10 * scaled[j - 1][i]
            hi0, hi1 = 10 * scaled[j][i - 1], 10 * scaled[j][i]
            a = lerp(x, TABLE_RPM[i - 1], TABLE_RPM[i], lo0, lo1)
            b = lerp(x, TABLE_RPM[i - 1], TABLE_RPM[i], hi0, hi1)
            cells.append(max(100, lerp(y, TPS_POINTS[j - 1], TPS_POINTS[j], a, b)))
    return cells


def u(values):
    return "".join("%5u " % v for v in values)


def d(values):
    return "".join("%5d " % v for v in values)


CONT = " " * 13


def parameter_lines(version=84, clutch_time=100, n2o_retards=(0, 0)):
    L = []
    L += ["KALVORIN_KEY   " + "%3u " % version, ""]
    L += ["BIKE         " + u([2])]
    L += ["EXITATION    " + u([3000]), CONT]
    L += ["APS          " + u([55, 2247, 105, 4744])]
    temps = [4505, 3832, 3159, 2412, 1665, 1203, 741, 536, 331]
    if version >= 78:
        L += ["WATER_TEMP_SENSOR  ", CONT + u(temps)]
        L += ["AIR_TEMP_SENSOR    ", CONT + u(temps)]
    L += ["SENSOR_LAMBDA      " + u([0]), CONT + u([100, 130, 140, 150, 180]),
          CONT + u([900, 840, 760, 50, 0])]
    L += ["LAMBDA_TACHO       ", CONT + u([100, 200]), CONT + u([1000, 12000])]
    L += ["INPUTS       " + u([0, 0, 0, 0, 1, 1])]
    L += ["BLOCK_ENABLE  " + u([1])]
    L += ["LIMITER      " + u([7200, 10800, 11100, 11100, 20])]
    L += ["TPS          " + u([340, 4730])]
    L += ["FAN          " + u([102, 104])]
    L += ["RPM          " + u([2]) + d([0])]
    L += ["NO_FUEL_IND        " + u([0]), ""]
    L += ["ADVANCE_MISC " + u([1]) + d([0, 0]) + u([0])]
    L += ["RPM_ADV      " + u(RPM_AXIS)]
    L += ["ADVANCE      " + u(ADVANCE_CURVE)] + [CONT + u(ADVANCE_CURVE)] * 9 + [CONT]
    L += ["JET1_MISC    " + u([2])]
    for name, table in (("1A", TABLE_1), ("2A", TABLE_2)):
        cells = base_map(table)
        L += [("RPM_JET_%s   " % name) + u(RPM_AXIS)]
        L += [("JET_%s       " % name) + u(cells[0:15])]
        L += [CONT + u(cells[15 * r:15 * r + 15]) for r in range(1, 10)] + [CONT]
    L += ["POSITION_A   " + u([0]), CONT + u(RPM_AXIS),
          CONT + u([270, 275, 290, 280, 290, 265, 235, 235, 230, 225, 220, 220, 220, 220, 220])]
    if version >= 78:
        L += ["IDLE         " + u([0, 1500, 40]), CONT + u([1, 1500, 6, 200]), CONT + u([2000]),
              CONT + u([1800, 1800, 1800, 1550, 1400, 1200, 1200, 1200, 1200]),
              CONT + u([0, 13, 3, 22]),
              CONT + u([1800, 1800, 1750, 1600, 1550, 1550, 1550, 1550, 1450]), CONT, CONT]
    L += ["CHOKE        " + u([5, 10, 15, 20]), CONT + u([250, 150, 130, 110])]
    L += ["START_INJ    " + u([10]), CONT]
    L += ["INJ_CORR     " + u([113, 109, 105, 100, 97]), CONT + u([109, 105, 100, 100, 100])]
    L += ["ACCEL        " + u([300, 4200]), ""]
    L += ["ACC_CORR     " + u([0, 0, 60, 50])]
    L += ["ADVANCE_CORR " + u([110, 110, 100, 100, 95]), CONT]
    gas = [20, 60, 2000, 3000] + ([100, 100] if version >= 78 else [])
    L += ["N2O          " + "    0 ", CONT + u(gas), CONT + u(list(n2o_retards) + [2000, 3000])]
    L += ["SPEED_PULSES " + u([1, 364]), CONT]
    L += ["GEAR         " + u([2, 6]), CONT, CONT + u([2000, 1000, 666, 500, 400, 333])]
    L += ["GEAR_AUTO    " + u([3, 1500, 20, 40])]
    L += ["GEAR_CORR    " + d([0] * 6), CONT + u([100] * 6)]
    L += ["PILOT_LIGHT  " + u([8800] * 6), CONT + u([9300] * 6)]
    L += ["CLUTCH       " + u([0, 2000, 50, 0]), CONT + u([clutch_time] * 6), CONT + u([500] * 6),
          ""]
    L += ["DISPLAY      " + "    0", ""]
    if version >= 78:
        L += ["TUNING       " + u([1, 200, 3, 145, 3, 200, 1, 1, 10]), ""]
    L += ["TEST_OUT     " + u([5000, 500]), ""]
    L += ["LAMBDA_BAR   " + u([100, 120, 140, 180]), CONT]
    L += ["VERSIONS", "HEX  15.03.2024  10:20   TORVANE 84 TEST", "EXE  Jul  1 2009   12:34:56", ""]
    return L


def write(name, lines, memo):
    text = "\r\n".join(lines + ["MEMO         "] + memo)
    with open(name, "wb") as f:
        f.write(text.encode("latin-1") if isinstance(text, str) else text)


write("default_preset2.ign", parameter_lines(), [])
# Second memo line in Windows-1250: "Druhá řádka" (a with acute E1, r with caron F8).
write("memo_two_lines.ign", parameter_lines(), ["First line", "Druh\xe1 \xf8\xe1dka"])
# An older file: no sensor, idle and tuning sections, nine N2O values, clutch times x10
# (200 = 20 stored = 100 ms), retards 5 and 6.
write("version63.ign", parameter_lines(63, clutch_time=200, n2o_retards=(5, 6)), [])
