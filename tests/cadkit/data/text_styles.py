#!/usr/bin/python3
# Reads a saved drawing with ezdxf, a reader independent of ours: the file must load and audit
# with no errors and no fixes; then one line per text style: name, font file, big-font file,
# fixed height, width factor and the TrueType face of its extended data ("-" for none).
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print(f"audit {len(auditor.errors)} {len(auditor.fixes)}")
for style in doc.styles:
    face = style.get_extended_font_data()[0] if style.has_extended_font_data else "-"
    print(f"style {style.dxf.name}|{style.dxf.font}|{style.dxf.bigfont}|{style.dxf.height:g}|"
          f"{style.dxf.width:g}|{face or '-'}")
