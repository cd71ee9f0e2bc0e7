#!/usr/bin/python3
# Writes a drawing with ezdxf, as another program would make a title block: layers, a
# linetype, a text style, a block with an insert, lines, a polyline, texts and a dimension.
# make_foreign_dxf.py FILE
import sys

import ezdxf

doc = ezdxf.new("R2007", setup=["linetypes"])
doc.layers.add("TK-FRAME", color=5, linetype="DASHED")
doc.styles.add("HZ", font="fsdb_e.shx")
logo = doc.blocks.new("LOGO")
logo.add_circle((0, 0), 5)
logo.add_line((-5, 0), (5, 0))
msp = doc.modelspace()
msp.add_lwpolyline([(0, 0), (420, 0), (420, 297), (0, 297)], close=True, dxfattribs={"layer": "TK-FRAME"})
msp.add_line((0, 40), (420, 40), dxfattribs={"layer": "TK-FRAME"})
msp.add_text("设计", dxfattribs={"style": "HZ", "height": 3.5}).set_placement((10, 10))
msp.add_mtext("第\\P二行", dxfattribs={"char_height": 2.5}).set_location((50, 10))
msp.add_blockref("LOGO", (400, 20), dxfattribs={"xscale": 2, "yscale": 2})
msp.add_arc((100, 100), 20, 0, 90)
dim = msp.add_linear_dim(base=(0, -10), p1=(0, 0), p2=(420, 0))
dim.render()
doc.saveas(sys.argv[1])
