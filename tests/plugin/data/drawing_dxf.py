# Prints what the end-to-end tests compare in a drawing that cadhost saved: ezdxf's audit,
# the layers, the text styles, the dimension styles and the title blocks, one line each. A title
# block line ends with whether the file holds the block's frame itself (bound, not a reference).
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
    if ref.dxf.name.lower() != "tk":
        continue
    block = doc.blocks.get(ref.dxf.name)
    stands_alone = not block.block.is_xref and len(block) > 0
    print(f"titleblock {ref.dxf.layer} {ref.dxf.insert.x:g} {ref.dxf.insert.y:g} {stands_alone}")
