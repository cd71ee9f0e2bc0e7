// The room on the sheets of a drawing: each sheet's area inside its frame, and the boxes of the
// items already set on them. An item keeps its place when it lies inside a sheet's area and on
// no other; otherwise it takes the next free place: further along its row, then in the rows
// under it, then on the sheets after its own.
#pragma once

#include <optional>
#include <vector>

class SheetSpace {
public:
    struct Box {
        double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;
        double Width() const { return x1 - x0; }
        double Height() const { return y1 - y0; }
        bool Inside(const Box& b, double margin) const;
        // Overlapping by more than the tolerance, the boxes grown by the gap.
        bool Overlaps(const Box& b, double gap) const;
        // The box that holds this one and b.
        Box Joined(const Box& b) const;
        // This box with its lower left corner at (x, y); this box moved by (dx, dy).
        Box MovedTo(double x, double y) const { return { x, y, x + Width(), y + Height() }; }
        Box Shifted(double dx, double dy) const { return { x0 + dx, y0 + dy, x1 + dx, y1 + dy }; }
    };

    // The room kept between an item and the sheet's frame, and between two items.
    static constexpr double kMargin = 1.5;
    static constexpr double kGap = 2.0;

    // A sheet's area; the sheets in their order.
    void AddSheet(const Box& area);
    int SheetCount() const { return static_cast<int>(m_sheets.size()); }
    // A box set on a sheet, that no later item may overlap.
    void Take(const Box& box);
    // The sheet whose area lies nearest to the box's middle.
    int SheetOf(const Box& box) const;
    // The box lies inside its sheet's area and on no box taken.
    bool Fits(const Box& box) const;
    // The lower left corner of the box's next free place, from the sheet given on; none when no
    // sheet has room for it. With a box to follow, only places after it in reading order count:
    // further along its row, or under it, or on a later sheet.
    std::optional<std::pair<double, double>> FindPlace(
        const Box& box, int sheet, const std::optional<Box>& after = std::nullopt) const;
    // The least drop straight down that sets the box free on its own sheet; none when it would
    // leave the sheet first.
    std::optional<double> FindDrop(const Box& box) const;
    // Whether a box lies after another in reading order: on a later sheet, under it, or beside
    // it on its right with its top no higher.
    bool After(const Box& box, const Box& previous) const;

private:
    bool Free(const Box& box, int sheet) const;
    std::vector<Box> m_sheets;
    std::vector<Box> m_taken;
};
