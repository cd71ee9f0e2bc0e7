#!/usr/bin/python3
# Checks a saved drawing with ezdxf, a reader independent of ours: it must load, its audit
# must report no errors and no fixes, and the objects named on the command line must be
# found as written (not made up by the loader).
#
# audit_dxf.py FILE [--types T1,T2..] [--group NAME=H1,H2..] [--sortents H1,H2..]
#   --types     DXF record types that model space must hold (at least one each)
#   --group     a group of that name holding exactly these entity handles (ezdxf does not
#               keep a group's order when it reads one, so the order is not checked)
#   --sortents  model space's draw order table lists these entities, bottom to top
#   --dimtext   some dimension's block holds a multiline text of exactly this text, and every
#               dimension's block holds lines and a text
#   --pattern   some hatch with this pattern name carries its pattern's definition lines
import sys

import ezdxf


def first_objects_dictionary(path):
    """The handle of the first DICTIONARY in the OBJECTS section, read from the raw file."""
    with open(path, encoding="utf-8") as f:
        lines = [line.rstrip("\r\n") for line in f]
    pairs = list(zip(lines[0::2], lines[1::2]))
    in_objects = False
    for i, (code, value) in enumerate(pairs):
        code = code.strip()
        if code == "2" and i > 0 and pairs[i - 1][1] == "SECTION":
            in_objects = value == "OBJECTS"
        if in_objects and code == "0" and value == "DICTIONARY":
            for c, v in pairs[i + 1:]:
                if c.strip() == "5":
                    return v
    return None


def main(argv):
    path = argv[1]
    args = argv[2:]
    wanted = {}
    for i in range(0, len(args), 2):
        wanted.setdefault(args[i], []).append(args[i + 1])

    problems = []
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    for e in auditor.errors:
        problems.append("audit error: %s" % (e.message,))
    for e in auditor.fixes:
        problems.append("audit fix: %s" % (e.message,))

    root = doc.rootdict
    if root.dxf.handle != first_objects_dictionary(path):
        problems.append("root dictionary %s is not the file's first dictionary" % root.dxf.handle)
    if root.dxf.owner != "0":
        problems.append("root dictionary owner %s" % root.dxf.owner)
    if "ACAD_GROUP" not in root:
        problems.append("no ACAD_GROUP in the root dictionary")

    msp = doc.modelspace()
    present = {e.dxftype() for e in msp}
    for types in wanted.get("--types", []):
        for t in types.split(","):
            if t not in present:
                problems.append("model space holds no %s" % t)

    for spec in wanted.get("--group", []):
        name, _, handles = spec.partition("=")
        group = doc.groups.get(name)
        if group is None:
            problems.append("group %s not found" % name)
            continue
        got = sorted(e.dxf.handle for e in group)
        if got != sorted(handles.split(",")):
            problems.append("group %s holds %s, expected %s" % (name, got, handles))

    for spec in wanted.get("--sortents", []):
        xdict = msp.block_record.get_extension_dict()
        table = xdict["ACAD_SORTENTS"]
        if table is None or table.dxftype() != "SORTENTSTABLE":
            problems.append("model space has no draw order table")
            continue
        sort_of = dict(msp.get_redraw_order())
        order = sorted((e.dxf.handle for e in msp), key=lambda h: int(sort_of.get(h, h), 16))
        expected = spec.split(",")
        ranked = [h for h in order if h in expected]
        if ranked != expected:
            problems.append("draw order %s, expected %s" % (ranked, expected))

    dimensions = [e for e in msp if e.dxftype() == "DIMENSION"]
    shown = []
    for dim in dimensions:
        block = doc.blocks.get(dim.dxf.geometry)
        kinds = [e.dxftype() for e in block] if block is not None else []
        if "LINE" not in kinds and "ARC" not in kinds:
            problems.append("dimension %s: block %s draws no line" % (dim.dxf.handle, dim.dxf.geometry))
        shown += [e.text for e in block if e.dxftype() == "MTEXT"] if block is not None else []
    for text in wanted.get("--dimtext", []):
        if text not in shown:
            problems.append("no dimension shows %r (shown: %r)" % (text, shown))

    for name in wanted.get("--pattern", []):
        hatches = [e for e in msp if e.dxftype() == "HATCH" and e.dxf.pattern_name == name]
        if not any(h.pattern is not None and len(h.pattern.lines) > 0 for h in hatches):
            problems.append("no %s hatch with pattern lines" % name)

    for p in problems:
        print(p)
    print("%s: %d entities, %d problems" % (path, len(msp), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
