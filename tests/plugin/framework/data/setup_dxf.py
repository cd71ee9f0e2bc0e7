# Prints the layers, text styles and dimension styles of a saved drawing after ezdxf's audit,
# one line each, so that a test can compare them with what the set-up made.
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print(f"audit {len(auditor.errors)} {len(auditor.fixes)}")
for layer in doc.layers:
    print(f"layer {layer.dxf.name} {layer.dxf.color} {layer.dxf.linetype} {layer.dxf.lineweight}")
for style in doc.styles:
    print(f"style {style.dxf.name} {style.dxf.font} {style.dxf.bigfont} {style.dxf.height:g} {style.dxf.width:g}")
for dimstyle in doc.dimstyles:
    print(f"dimstyle {dimstyle.dxf.name} {dimstyle.dxf.dimlfac:g}")
for ref in doc.modelspace().query("INSERT"):
    block = doc.blocks.get(ref.dxf.name)
    print(f"xref {ref.dxf.name} {ref.dxf.layer} {ref.dxf.insert.x:g} {ref.dxf.insert.y:g} {block.block.is_xref} {block.block.dxf.xref_path}")
