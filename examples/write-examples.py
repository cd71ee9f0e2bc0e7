#!/usr/bin/env python3
"""Writes the example designs and the older-version design files of the reader's tests.

Each design is laid out line by line as the editor's writer lays out version 4.3 (one "//"
comment line before each data line, CR LF line ends, GBK through iconv). The older versions
leave out the lines their version lacks; each gets a version 4.3 twin that states the values
the older reader derives, so the two read to the same design.

Run from anywhere: python3 examples/write-examples.py
"""

import copy
import os
import subprocess

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
STAR_LINE = "*" * 87


def f7(x):
    """A real as the writer prints it: seven decimals, trailing zeros and point removed."""
    text = "%.7f" % x
    text = text.rstrip("0").rstrip(".")
    return "0" if text in ("", "-0") else text


def version_key(version):
    return int(round(version * 10))


class Writer:
    def __init__(self):
        self.lines = []

    def comment(self, text):
        self.lines.append("//" + text)

    def data(self, text):
        self.lines.append(text)

    def record(self, comment, data):
        self.comment(comment)
        self.data(data)

    def text(self):
        return "".join(line + "\r\n" for line in self.lines)


def bar_groups(face):
    """The bar groups of one face in the writer's order: (type, support, body)."""
    groups = [(0, 0, face["ltl"]), (1, 0, face["lbl"])]
    groups += [(4, 0, bar) for bar in face["lup"]]
    groups += [(5, 0, bar) for bar in face["lum"]]
    groups += [(2, 0, bar) for bar in face["lut"]]
    groups += [(3, 0, bar) for bar in face["lub"]]
    for s, support in enumerate(face["supports"], start=1):
        groups += [(4, s, bar) for bar in support["lpp"]]
        groups += [(5, s, bar) for bar in support["lpm"]]
        groups += [(2, s, bar) for bar in support["lpt"]]
        groups += [(3, s, bar) for bar in support["lpb"]]
    return groups


def write_bar_group(w, number, position, kind, support, bar, key):
    n = number
    w.record("第%d立面钢筋－剖切位置（0为盖梁主体部分，1为联端槽口部分）" % n, "%d" % position)
    w.record("第%d立面钢筋－布置类型（0为顶板筋，1为底板筋，2为上弯起筋，3为下弯其筋，4为顶板直筋，5为底板直筋）" % n,
             "%d" % kind)
    w.record("第%d立面钢筋－支座编号（0为整体立面，1，2......表支座）" % n, "%d" % support)
    if kind == 0 or (kind == 4):
        w.record("第%d立面钢筋－其他参数（距顶板左侧距离、距顶板右侧距离）" % n, "%s,%s" % (f7(bar["l"]), f7(bar["r"])))
    elif kind == 1:
        w.comment("第%d立面钢筋－其他参数（底板筋没有）" % n)
    elif kind == 5 and support == 0:
        w.comment("第%d立面钢筋－其他参数（整体立面底板直筋没有）" % n)
    elif kind == 5:
        w.record("第%d立面钢筋－其他参数（距底板左侧距离、距底板右侧距离）" % n, "%s,%s" % (f7(bar["l"]), f7(bar["r"])))
    elif kind == 2:
        if key >= 41:
            w.record("第%d立面钢筋－弯起类型" % n, "%d" % bar["bend"])
        if support == 0:
            label = "第%d立面钢筋－其他参数（左轴距、右轴距）" % n
            w.record(label, label + "".join(",%s,%s" % (f7(l), f7(r)) for l, r in bar["axes"]))
        else:
            w.record("第%d立面钢筋－其他参数（是否相连、左轴距、右轴距）" % n,
                     "%d,%s,%s" % (bar["connect"], f7(bar["l"]), f7(bar["r"])))
    elif kind == 3:
        comment = "第%d立面钢筋－其他参数（下弯参数、左轴距、右轴距、半径或高度）" % n
        if support == 0:
            w.record(comment, "%d" % bar["param"] + "".join(",%s,%s,%s" % tuple(map(f7, t)) for t in bar["axes"]))
        else:
            w.record(comment, "%d,%s,%s,%s" % (bar["param"], f7(bar["l"]), f7(bar["r"]), f7(bar["h"])))
    w.record("第%d立面钢筋－钢筋布置列信息" % n, bar["text"])


def adjusted_back(d, key):
    """Support distances as a version before 4.0 stores them: the end widths not yet added."""
    passes = 2 if key == 33 else (1 if key < 40 else 0)
    g = d["geometry"]
    for width, angle in ((g["lw"], g["la"]), (g["rw"], g["ra"])):
        if passes and (width < 0 or angle != 90):
            raise ValueError("older files are written for square ends and positive widths only")
    distances = list(d["distances"])
    if passes:
        distances[0] -= passes * g["lw"]
        if len(distances) > 1:
            distances[-1] -= passes * g["rw"]
    return distances


def write_design(d, version):
    key = version_key(version)
    g = d["geometry"]
    m = d["more"]
    w = Writer()
    w.comment("以下是数据文件版本信息，由VER和实数(一位小数)组成")
    w.data("Ver %.1f" % version)
    if key >= 40:
        w.record("立面图绘图比例，断面图绘图比例", "%s,%s" % (f7(d["scales"][0]), f7(d["scales"][1])))
        w.record("强制绘制全图，绘制测试图", "%d,%d" % tuple(d["control"]))
    if key >= 43:
        w.record("附加信息-适用墩台", d["addinfo"] or "?")
    if key >= 40:
        w.record("盖梁对称性（一般构造对称,墩柱间距对称,断面箍筋对称,骨架编排对称,钢筋骨架对称,加强钢筋对称）",
                 ",".join("%d" % f for f in d["symmetry"]))
        w.record("是否为桥台盖梁", "%d" % g["abutment"])
    w.record("盖梁截面形式（0矩形、1Ｌ形），截面是否对称(本参数已经停用)", "%d,%d" % (g["form"], g["symmetric"]))
    w.record("盖梁长度、盖梁宽度、中部高度、墩柱直径", ",".join(f7(g[k]) for k in ("L", "B", "H", "D")))
    w.record("左侧宽度、右侧宽度、左端高度、右端高度、左侧角度、右侧角度",
             ",".join(f7(g[k]) for k in ("lw", "rw", "lh", "rh", "la", "ra")))
    w.record("L宽、L高", "%s,%s" % (f7(g["lwidth"]), f7(g["lheight"])))
    w.comment(STAR_LINE)
    w.comment("盖梁钢筋数据")
    w.comment(STAR_LINE)
    if key >= 30:
        w.record("骨架类型（骨架类型个数，0单骨架、>0多骨架）", "%d" % len(d["faces"]))
    w.record("下弯方式（0正截面下弯、1斜截面下弯）", "%d" % m["benddown"])
    w.record("端部是否固定（0不固定、1固定）", "%d" % m["fixed"])
    w.record("盖梁类型（0普通钢筋砼盖梁、1预应力钢筋砼盖梁）", "%d" % m["captype"])
    w.record("保护层数据（依次为顶板保护层、底板保护层、侧面保护层、端部保护层及封锚保护层）",
             ",".join(f7(c) for c in d["covers"]))
    w.record("焊缝类型（0－双面焊、1－单面焊）", "%d" % m["weldtype"])
    if key >= 40:
        w.record("焊缝宽度", f7(m["weldwidth"]))
    w.record("骨架钢筋基本参数（钢筋类型、钢筋直径）", "%d,%d" % m["skeleton"])
    w.record("箍筋钢筋基本参数（钢筋类型、钢筋直径）", "%d,%d" % m["stirrup"])
    w.record("侧面钢筋基本参数（钢筋类型、钢筋直径）", "%d,%d" % m["side"])
    w.record("封锚钢筋基本参数（钢筋类型、钢筋直径）", "%d,%d" % m["anchor"])
    distances = adjusted_back(d, key)
    w.record("支座个数及距离值（单支座为1）",
             "%d,%d" % (d["equalspans"], len(distances)) + "".join("," + f7(x) for x in distances))
    w.record("剖面钢筋最大列数NC(主面、端面)", "%d,%d" % (d["main"]["columns"], d["end"]["columns"]))
    w.record("列间距个数", "%d" % len(m["spacings"]))
    if m["spacings"]:
        w.record("列间距数值", ",".join(f7(x) for x in m["spacings"]))
    w.record("立面上下弯起筋弯曲角度及弯曲半径", "%d,%.0f" % (m["bendangle"], m["bendradius"]))
    if key >= 41:
        w.record("箍筋是否抗震", "%d" % m["seismic"])
    st = m["stirrups"]
    if key >= 42:
        w.record("箍筋间距及加密范围", "%s,%s,%s,%d,%s,%s,%s" % (f7(st[0]), f7(st[1]), f7(st[2]), st[3],
                                                         f7(st[4]), f7(st[5]), f7(st[6])))
    else:
        w.record("箍筋间距及加密范围", "%s,%s,%d,%s,%s,%s" % (f7(st[0]), f7(st[1]), st[3], f7(st[4]), f7(st[5]),
                                                       f7(st[6])))
    faces = [d["main"]] + d["faces"]
    groups = [(p, g_) for p, face in enumerate(faces) for g_ in bar_groups(face)]
    stirrups = [(0, s) for s in d["main"]["stirrups"]] + [(1, s) for s in d["end"]["stirrups"]]
    w.record("立面钢筋数、剖面钢筋数", "%d,%d" % (len(groups), len(stirrups)))
    w.comment("立面钢筋数数据")
    for number, (position, (kind, support, bar)) in enumerate(groups, start=1):
        write_bar_group(w, number, position, kind, support, bar, key)
    if key >= 30 and d["faces"]:
        w.comment("骨架布置数据")
        w.record("是否需要顶底板筋(1表示要0表示不要)", d["platebars"])
        w.record("骨架类型(1表示A2表示B依次类推)", d["skeletontypes"])
    w.comment("箍筋数据")
    for number, (position, (start, end)) in enumerate(stirrups, start=1):
        w.record("第%d箍筋数据（剖切位置、起始列、终止列）" % number, "%d,%d,%d" % (position, start, end))
    w.record("侧面钢筋间距（剖面盖梁侧面钢筋", f7(m["sidespacing"]))
    if key >= 32:
        w.record("侧面间距个数", "%d" % len(m["sidespacings"]))
        if m["sidespacings"]:
            w.record("侧面间距数值", ",".join(f7(x) for x in m["sidespacings"]))
    w.record("盖梁剖面数及剖面百分比位置", "%d" % len(d["sections"]) + "".join("," + f7(x) for x in d["sections"]))
    w.comment("盖梁预应力部分数据")
    w.record("封锚钢筋间距", f7(m["anchorspacing"]))
    w.record("预应力筋个数", "%d" % len(d["tendons"]))
    for j, t in enumerate(d["tendons"], start=1):
        w.record("第%d个预应力筋整体信息(编号,编束根数,张拉方式,工作长度,束数,导线点数)" % j,
                 "%d,%d,%d,%.0f,%d,%d" % (t["number"], t["bundle"], t["mode"], t["working"], len(t["sections"]),
                                          len(t["points"])))
        w.data("")
        w.record("第%d个预应力筋剖面信息" % j, ",".join("%.7f" % x for x in t["sections"]))
        w.comment("第%d个预应力筋导线点信息(支座,X,Y,R)" % j)
        for support, x, y, r in t["points"]:
            w.data("%d,%.7f,%.7f,%.7f" % (support, x, y, r))
    if key >= 31:
        e = d["extend"]
        w.record("顶板直筋基本参数（钢筋类型、钢筋直径）", "%d,%d" % e["top"])
        w.record("底板直筋基本参数（钢筋类型、钢筋直径）", "%d,%d" % e["bottom"])
        w.record("距离形式：边距外侧(顶板筋),边距内侧(顶板筋),中柱两侧(顶板筋),跨中两侧(底板筋)",
                 "%d,%d,%d,%d" % tuple(e["forms"]))
        w.record("距离：边距外侧(顶板筋),边距内侧(顶板筋),中柱两侧(顶板筋),跨中两侧(底板筋)",
                 "%f,%f,%f,%f" % tuple(e["distances"]))
        if key >= 40:
            w.record("多层递减值", f7(e["decrement"]))
        w.record("列数", "%d" % len(e["codes"]))
        for k, code in enumerate(e["codes"], start=1):
            w.record("第%d列" % k, "%d" % code)
    return w.text()


# ---------------------------------------------------------------------------------------
# Designs. Lengths in millimetres, angles in degrees.

def plain_face(columns, text, supports):
    return {"columns": columns, "stirrups": [],
            "ltl": {"l": 50, "r": 50, "text": text}, "lbl": {"text": text},
            "lup": [], "lum": [], "lut": [], "lub": [],
            "supports": [{"lpp": [], "lpm": [], "lpt": [], "lpb": []} for _ in range(supports)]}


def full_face(columns, text, supports, bend_types, straight, upper, lower, at_support):
    """A face with every bar family: plate bars, whole-elevation and per-support bars."""
    face = plain_face(columns, text, supports)
    face["lup"] = [{"l": straight[0], "r": straight[1], "text": text}]
    face["lum"] = [{"text": text}]
    face["lut"] = [{"bend": bend_types[0], "axes": [upper[0]] * supports, "text": text},
                   {"bend": bend_types[1], "axes": [upper[1]] * supports, "text": text}]
    face["lub"] = [{"param": 1, "axes": [lower] * supports, "text": text}]
    for support in face["supports"]:
        support["lpp"] = [{"l": at_support["top"], "r": at_support["top"], "text": text}]
        support["lpm"] = [{"l": at_support["bottom"], "r": at_support["bottom"], "text": text}]
        support["lpt"] = [{"bend": bend_types[0], "connect": 1, "l": at_support["upper"][0],
                           "r": at_support["upper"][0], "text": text},
                          {"bend": bend_types[1], "connect": 0, "l": at_support["upper"][1],
                           "r": at_support["upper"][1], "text": text}]
        support["lpb"] = [{"param": 1, "l": at_support["lower"], "r": at_support["lower"],
                           "h": at_support["drop"], "text": text}]
    return face


def skeleton_text(codes):
    return "".join("1" if code // 1000 == 9 else "0" for code in codes)


def design(name, geometry, distances, codes, sections, covers=(50, 50, 50, 50, 50), **more):
    g = {"abutment": 0, "form": 0, "symmetric": 1, "lwidth": 0, "lheight": 0}
    g.update(geometry)
    columns = len(codes)
    text = skeleton_text(codes)
    supports = len(distances)
    spacing = (g["B"] - 2 * covers[2]) / (columns - 1)
    side_gaps = 10
    diameter = more.get("diameter", 28)
    d = {
        "name": name,
        "scales": (50, 40), "control": (0, 0), "addinfo": more.get("addinfo", "?"),
        "symmetry": (1, 1, 1, 1, 1, 1), "geometry": g, "faces": [], "platebars": "", "skeletontypes": "",
        "covers": covers, "equalspans": more.get("equalspans", 0), "distances": distances,
        "more": {
            "benddown": more["benddown"], "fixed": 1, "captype": 0, "weldtype": 0, "weldwidth": 5 * diameter,
            "skeleton": (1, diameter), "stirrup": (1, more.get("stirrup", 12)), "side": (1, 12), "anchor": (1, 12),
            "spacings": [spacing] * (columns - 1), "bendangle": 45, "bendradius": 10 * diameter,
            "seismic": more.get("seismic", 0), "stirrups": more["stirrups"],
            "sidespacing": 150, "sidespacings": [(g["H"] - covers[0] - covers[1]) / side_gaps] * side_gaps,
            "anchorspacing": 100,
        },
        "main": full_face(columns, text, supports, more.get("bend_types", (0, 1)), more["straight"],
                          more["upper"], more["lower"], more["at_support"]),
        "end": {"columns": 0, "stirrups": []},
        "sections": sections, "tendons": [],
        "extend": {"top": (1, diameter), "bottom": (1, diameter), "forms": (0, 0, 0, 0),
                   "distances": more["reach"], "decrement": 500, "codes": codes},
    }
    skeleton = [i + 1 for i, code in enumerate(codes) if code // 1000 == 9]
    outer = [(skeleton[0], skeleton[-1])]
    pairs = [(a, b) for a, b in zip(skeleton, skeleton[1:])]
    d["main"]["stirrups"] = outer + pairs
    return d


def sample():
    """Pier cap, three columns, ends skewed 20 degrees, bend-down in normal sections."""
    return design("sample",
                  {"L": 12600, "B": 1800, "H": 1600, "D": 1400, "lw": 1800, "rw": 1800, "lh": 1000, "rh": 1000,
                   "la": 70, "ra": 70},
                  [2200, 4100, 2200],
                  [9000, 1111, 9000, 111, 9000, 111, 9000, 1111, 9000],
                  [1, 2, 4, 0],
                  addinfo="1、2、3", benddown=0, diameter=32, stirrup=12, seismic=1,
                  stirrups=(150, 100, 200, 1, 800, 1200, 1200),
                  straight=(1500, 1500), upper=((900, 900), (1300, 1300)), lower=(1500, 1500, 350),
                  at_support={"top": 2000, "bottom": 1200, "upper": (600, 1000), "lower": 1400, "drop": 300},
                  reach=(1500, 1200, 1600, 2000))


def square_two_columns():
    """Square pier cap on two columns, bend-down in skew sections."""
    return design("square-two-columns",
                  {"L": 9800, "B": 1600, "H": 1400, "D": 1300, "lw": 1500, "rw": 1500, "lh": 900, "rh": 900,
                   "la": 90, "ra": 90},
                  [2150, 2150],
                  [9000, 1101, 9000, 101, 9000, 1101, 9000],
                  [1, 3],
                  addinfo="4、5", benddown=1, diameter=28, stirrup=12,
                  stirrups=(150, 100, 200, 1, 700, 1000, 0),
                  straight=(1200, 1200), upper=((800, 800), (1200, 1200)), lower=(1400, 1400, 300),
                  at_support={"top": 1800, "bottom": 1000, "upper": (550, 950), "lower": 1300, "drop": 280},
                  reach=(1200, 1000, 0, 1800))


def abutment():
    """Abutment cap on four columns, ends skewed 10 degrees, bend-down in skew sections."""
    d = design("abutment",
               {"abutment": 1, "L": 14000, "B": 2000, "H": 1500, "D": 1200, "lw": 0, "rw": 0, "lh": 0, "rh": 0,
                "la": 80, "ra": 80},
               [1225, 3850, 3850, 1225],
               [9000, 1111, 9000, 111, 9000, 1111, 9000, 111, 9000, 1111, 9000],
               [1, 2, 5, 6],
               addinfo="0", benddown=1, diameter=28, stirrup=12, equalspans=1,
               stirrups=(150, 100, 200, 1, 900, 1100, 1100),
               straight=(1200, 1200), upper=((800, 800), (1150, 1150)), lower=(1300, 1300, 300),
               at_support={"top": 1700, "bottom": 1100, "upper": (500, 900), "lower": 1250, "drop": 260},
               reach=(1000, 1100, 1500, 1800))
    return d


def l_section():
    """Pier cap at an expansion joint with an L-shaped section (end notch), two columns."""
    d = design("l-section",
               {"form": 1, "L": 10400, "B": 2200, "H": 1800, "D": 1500, "lw": 1600, "rw": 1600, "lh": 1100,
                "rh": 1100, "la": 90, "ra": 90, "lwidth": 600, "lheight": 500},
               [2300, 2300],
               [9000, 1101, 9000, 101, 9000, 1101, 9000, 101, 9000, 1101, 9000],
               [1, 3],
               addinfo="6", benddown=1, diameter=32, stirrup=12,
               stirrups=(150, 100, 200, 1, 900, 1300, 0),
               straight=(1400, 1400), upper=((900, 900), (1400, 1400)), lower=(1600, 1600, 350),
               at_support={"top": 2100, "bottom": 1200, "upper": (650, 1100), "lower": 1500, "drop": 320},
               reach=(1400, 1100, 0, 2000))
    d["end"] = {"columns": 3, "stirrups": [(1, 3)]}
    return d


def minimal():
    """Single-column cap with plate bars only: the small fixture of the reader's tests."""
    d = design("minimal",
               {"L": 9000, "B": 1600, "H": 1400, "D": 1400, "lw": 1500, "rw": 1500, "lh": 900, "rh": 900,
                "la": 90, "ra": 90},
               [4500],
               [9000, 1111, 1111, 9000],
               [1],
               benddown=1, stirrups=(150, 100, 200, 0, 0, 0, 0),
               straight=(0, 0), upper=((0, 0), (0, 0)), lower=(0, 0, 0),
               at_support={"top": 0, "bottom": 0, "upper": (0, 0), "lower": 0, "drop": 0},
               reach=(1000, 1000, 0, 0))
    d["main"] = plain_face(4, "1001", 1)
    d["more"]["sidespacings"] = []
    return d


# ---------------------------------------------------------------------------------------
# Older versions and their version 4.3 twins.

OLD_VERSIONS = (1.0, 2.0, 3.0, 3.1, 3.2, 3.3, 4.0, 4.1, 4.2)


def twin_of(d, version):
    """The design as a version 4.3 file states what the older reader makes of it."""
    key = version_key(version)
    t = copy.deepcopy(d)
    t["name"] += "-%d" % key
    g = t["geometry"]
    m = t["more"]
    if key < 43:
        t["addinfo"] = "?"
    if key < 40:
        t["scales"] = (50, 40)
        t["control"] = (0, 0)
        s = g["symmetric"]
        t["symmetry"] = (1 if s in (1, 2) else 0, 1 if s == 2 else 0, 0, 1, 1 if s == 2 else 0, 1 if s == 2 else 0)
        g["abutment"] = 1 if g["lw"] == 0 else 0
        m["weldwidth"] = 0
        t["extend"]["decrement"] = 0
    if key < 41:
        m["seismic"] = 0
        for face in [t["main"]] + t["faces"]:
            for bar in face["lut"]:
                bar["bend"] = 0
            for support in face["supports"]:
                for bar in support["lpt"]:
                    bar["bend"] = 0
    if key < 42:
        st = list(m["stirrups"])
        st[2] = 2 * st[0] - st[1]
        m["stirrups"] = tuple(st)
    if key < 32:
        m["sidespacings"] = []
    if key < 31:
        t["extend"] = {"top": (1, 28), "bottom": (1, 28), "forms": (0, 0, 0, 0), "distances": (0, 0, 0, 0),
                       "decrement": 0, "codes": []}
    return t


def old_design():
    """The square two-column cap as older versions stored it: section symmetric value 2, short
    end parts (so that even version 3.3's doubled end widths leave positive distances in the
    file), and a stirrup spacing whose derived skew-layout spacing is not the default."""
    d = square_two_columns()
    g = d["geometry"]
    g["symmetric"] = 2
    g["lw"] = g["rw"] = 800
    d["more"]["stirrups"] = (160, 100, 220, 1, 700, 1000, 0)
    return d


# ---------------------------------------------------------------------------------------

def save(relative, text):
    path = os.path.join(ROOT, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    gbk = subprocess.run(["iconv", "-f", "UTF-8", "-t", "GBK"], input=text.encode("utf-8"),
                         capture_output=True, check=True).stdout
    with open(path, "wb") as out:
        out.write(gbk)


def whole(d):
    """The same design with its general construction not symmetric: drawn whole."""
    d = copy.deepcopy(d)
    d["symmetry"] = (0,) + tuple(d["symmetry"][1:])
    return d


EXAMPLES = (("sample", sample), ("square-two-columns", square_two_columns), ("abutment", abutment),
            ("l-section", l_section))


def main():
    for name, make in EXAMPLES:
        save("examples/%s.glt" % name, write_design(make(), 4.3))
        save("examples/%s-whole.glt" % name, write_design(whole(make()), 4.3))
    save("tests/model/data/minimal.glt", write_design(minimal(), 4.3))
    for version in OLD_VERSIONS:
        key = version_key(version)
        twin = twin_of(old_design(), version)
        save("tests/model/data/old/v%d.glt" % key, write_design(twin, version))
        save("tests/model/data/old/v%d-as43.glt" % key, write_design(twin, 4.3))


if __name__ == "__main__":
    main()
