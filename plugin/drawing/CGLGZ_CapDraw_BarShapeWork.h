// What one run of the longitudinal bar shapes works with: the face and the elevation outline it
// reads, the lengths in drawing units, and the ends of the bars placed so far, which later bars
// stack against. Both drawings fill one and hand it through the family steps.
#pragma once

#include "CGLGZ_CapDraw.h"

#include <functional>

struct CGLGZ_CapDraw::BarShapeWork {
    // A distance of a bar record at or above this means that the bar has no branch there.
    static constexpr double kNoBranch = 99999.0;

    // Inputs: the face whose bars are shaped, the outline lines (entries 0 to 3 the end parts'
    // bottoms and the end faces, then one support axis each), the crown of the top edge, and the
    // drawing's own rule for a bar end (start when atEnd is 0).
    CHLGZ_FaceInfo* face = nullptr;
    const CArray<LineInfo, const LineInfo&>* lines = nullptr;
    AcGePoint3d crown;
    std::function<int(const BarEndRequest&, int atEnd)> shapeEnd;

    // Supports, scale and the lengths of the shapes in drawing units: d the skeleton bars' outer
    // diameter, w the weld length, p the top-plate bar's leg, r the bend radius, ct the
    // cotangent of the bend angle a.
    int n = 0;
    double scale = 1.0;
    double d = 0.0;
    double w = 0.0;
    double p = 0.0;
    double r = 0.0;
    double a = 0.0;
    double ct = 1.0;
    double topCover = 0.0;
    double bottomCover = 0.0;
    double sideCover = 0.0;
    double endCover = 0.0;

    // The two ends of every top and bottom bar placed so far, pairwise, the first pair the plate
    // bar's; and the bottom-plate bar's points.
    AcGePoint3dArray topLefts;
    AcGePoint3dArray topRights;
    AcGePoint3dArray bottomLefts;
    AcGePoint3dArray bottomRights;
    AcGePoint3dArray plate;

    const LineInfo& Line(int i) const { return lines->GetAt(i); }
    // The support axis: its x, the underside and the top level there.
    double Axis(int j) const { return Line(4 + j).end.x; }
    double Under(int j) const { return Line(4 + j).end.y; }
    double Top(int j) const { return Line(4 + j).start.y; }

    // Every bar record of a face: top-plate, bottom-plate, upper and lower bent-up, bottom and
    // top straight bars of the whole elevation, then at each support its lower bent-up, bottom
    // straight, top straight and upper bent-up bars.
    template <class Fn>
    static void ForEachBar(CHLGZ_FaceInfo& face, Fn fn)
    {
        fn(face.GetLTLSteel());
        fn(face.GetLBLSteel());
        ForEachIn(face.GetLUTSteels(), fn);
        ForEachIn(face.GetLUBSteels(), fn);
        ForEachIn(face.GetLUMSteels(), fn);
        ForEachIn(face.GetLUPSteels(), fn);
        for (INT_PTR j = 0; j < face.GetSupports().GetSize(); ++j) {
            CHLGZ_PoleInfo& support = face.GetSupports()[j];
            ForEachIn(support.GetLPBSteels(), fn);
            ForEachIn(support.GetLPMSteels(), fn);
            ForEachIn(support.GetLPPSteels(), fn);
            ForEachIn(support.GetLPTSteels(), fn);
        }
    }

private:
    template <class T, class Fn>
    static void ForEachIn(CArray<T, const T&>& bars, Fn& fn)
    {
        for (INT_PTR i = 0; i < bars.GetSize(); ++i)
            fn(bars[i]);
    }
};
