#!/usr/bin/python3
# Reads a saved drawing with ezdxf, a reader independent of ours, and prints the dimension
# variables of one dimension style as NAME=VALUE lines, text style and arrow block by name.
# The drawing must load and audit with no errors and no fixes.
#
# dimstyle_dxf.py FILE STYLE
import sys

import ezdxf

VARIABLES = ("dimdec", "dimadec", "dimasz", "dimtxt", "dimlfac", "dimexe", "dimexo", "dimgap",
             "dimaltd", "dimtad", "dimdsep", "dimtih", "dimtoh", "dimtix", "dimtofl", "dimsoxd",
             "dimtolj", "dimzin")


def main(path, name):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    problems = [e.message for e in auditor.errors] + [e.message for e in auditor.fixes]
    for p in problems:
        print("problem=%s" % p)
    style = doc.dimstyles.get(name)
    if style is None:
        print("problem=no dimension style %s" % name)
        return 1
    for var in VARIABLES:
        print("%s=%s" % (var, style.dxf.get(var)))
    print("dimtxsty=%s" % style.dxf.get("dimtxsty"))
    print("dimblk=%s" % style.dxf.get("dimblk"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
