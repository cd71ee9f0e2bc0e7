# Prints what the end-to-end tests compare in a drawing that cadhost saved: ezdxf's audit,
# the layers, the text styles, the dimension styles and the title blocks, one line each.
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print(f"audit {len(auditor.errors)}")
for layer in doc.layers:
    print(f"layer {layer.dxf.name} plot={layer.dxf.plot}")
for style in doc.styles:
    print(f"style {style.dxf.name}")
for dimstyle in doc.dimstyles:
    print(f"dimstyle {dimstyle.dxf.name}")
for ref in doc.modelspace().query("INSERT"):
    block = doc.blocks.get(ref.dxf.name)
    if not block.block.is_xref:
        continue
    print(f"titleblock {ref.dxf.layer} {ref.dxf.insert.x:g} {ref.dxf.insert.y:g} {block.block.is_xref}")
