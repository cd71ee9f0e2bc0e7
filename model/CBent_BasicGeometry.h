// The basic geometry of a cap beam, read beside the design records and shared by the editor,
// the drawing run and the drawing classes. A plain record: its owner sets and copies the fields.
// Lengths in millimetres (the editor's current unit inside the editor), angles in degrees.
#pragma once

struct CBent_BasicGeometry {
    int nAbutmentCap = 0;       // 1 an abutment cap, 0 a pier cap
    int nSectionForm = 0;       // 0 rectangular, 1 L-shaped
    int nSectionSymmetric = 1;  // no longer used; kept for the design file
    double dLength = 0.0;
    double dWidth = 0.0;
    double dMiddleHeight = 0.0;
    double dColumnDiameter = 0.0;
    double dFurtherLength = 0.0;  // the editor's; not carried by the design file
    double dLeftWidth = 0.0;
    double dRightWidth = 0.0;
    double dLeftEndHeight = 0.0;
    double dRightEndHeight = 0.0;
    double dLeftAngle = 90.0;  // 90 a square end
    double dRightAngle = 90.0;
    double dLWidth = 0.0;
    double dLHeight = 0.0;  // above 0 for an L-shaped section
    int nFurtherFlag1 = 1;  // the editor's; every caller sets them to 1
    int nFurtherFlag2 = 1;

    bool operator==(const CBent_BasicGeometry& other) const = default;
};
