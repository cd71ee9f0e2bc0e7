#include "SheetSpace.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTolerance = 0.01;

} // namespace

bool SheetSpace::Box::Inside(const Box& b, double margin) const
{
    return x0 >= b.x0 + margin - kTolerance && y0 >= b.y0 + margin - kTolerance && x1 <= b.x1 - margin + kTolerance
        && y1 <= b.y1 - margin + kTolerance;
}

bool SheetSpace::Box::Overlaps(const Box& b, double gap) const
{
    return std::min(x1, b.x1) - std::max(x0, b.x0) + gap > kTolerance
        && std::min(y1, b.y1) - std::max(y0, b.y0) + gap > kTolerance;
}

SheetSpace::Box SheetSpace::Box::Joined(const Box& b) const
{
    return { std::min(x0, b.x0), std::min(y0, b.y0), std::max(x1, b.x1), std::max(y1, b.y1) };
}

void SheetSpace::AddSheet(const Box& area) { m_sheets.push_back(area); }

void SheetSpace::Take(const Box& box) { m_taken.push_back(box); }

int SheetSpace::SheetOf(const Box& box) const
{
    const double cx = (box.x0 + box.x1) / 2.0;
    const double cy = (box.y0 + box.y1) / 2.0;
    int best = 0;
    double bestDistance = 1e300;
    for (size_t i = 0; i < m_sheets.size(); ++i) {
        const Box& s = m_sheets[i];
        const double dx = std::max({ s.x0 - cx, 0.0, cx - s.x1 });
        const double dy = std::max({ s.y0 - cy, 0.0, cy - s.y1 });
        if (std::hypot(dx, dy) < bestDistance) {
            bestDistance = std::hypot(dx, dy);
            best = static_cast<int>(i);
        }
    }
    return best;
}

bool SheetSpace::Fits(const Box& box) const
{
    if (m_sheets.empty() || !box.Inside(m_sheets[static_cast<size_t>(SheetOf(box))], 0.0))
        return false;
    return std::none_of(m_taken.begin(), m_taken.end(), [&](const Box& t) { return box.Overlaps(t, 0.0); });
}

bool SheetSpace::Free(const Box& box, int sheet) const
{
    if (!box.Inside(m_sheets[static_cast<size_t>(sheet)], kMargin))
        return false;
    return std::none_of(m_taken.begin(), m_taken.end(), [&](const Box& t) { return box.Overlaps(t, kGap); });
}

bool SheetSpace::After(const Box& box, const Box& previous) const
{
    const int sheet = SheetOf(box);
    const int previousSheet = SheetOf(previous);
    if (sheet != previousSheet)
        return sheet > previousSheet;
    if (box.y1 <= previous.y0 + kTolerance)
        return true;
    return box.x0 >= previous.x1 - kTolerance && box.y1 <= previous.y1 + kTolerance;
}

std::optional<double> SheetSpace::FindDrop(const Box& box) const
{
    const int sheet = SheetOf(box);
    const Box& area = m_sheets[static_cast<size_t>(sheet)];
    if (box.x0 < area.x0 + kMargin - kTolerance || box.x1 > area.x1 - kMargin + kTolerance)
        return std::nullopt;
    // The drops that bring the box's top just under a box taken beside it.
    std::vector<double> drops;
    for (const Box& t : m_taken)
        if (std::min(box.x1, t.x1) - std::max(box.x0, t.x0) + kGap > kTolerance && box.y1 - (t.y0 - kGap) > 0.0)
            drops.push_back(box.y1 - (t.y0 - kGap));
    std::sort(drops.begin(), drops.end());
    for (const double d : drops) {
        const Box at { box.x0, box.y0 - d, box.x1, box.y1 - d };
        if (at.y0 < area.y0 + kMargin - kTolerance)
            break;
        if (Free(at, sheet))
            return d;
    }
    return std::nullopt;
}

std::optional<std::pair<double, double>> SheetSpace::FindPlace(
    const Box& box, int sheet, const std::optional<Box>& after) const
{
    const double w = box.Width();
    const double h = box.Height();
    const int own = SheetOf(box);
    const int afterSheet = after ? SheetOf(*after) : 0;
    for (int s = std::max({ sheet, afterSheet, 0 }); s < SheetCount(); ++s) {
        const Box& area = m_sheets[static_cast<size_t>(s)];
        const double top = area.y1 - kMargin;
        // The item's own row first (or the row of the box it follows), then the rows under
        // the boxes taken, top down.
        double start = top;
        // An item that follows another leaves its own place for the places after that one.
        const bool ownRow = !after && s == own;
        if (ownRow)
            start = std::min(box.y1, top);
        if (after && s == afterSheet)
            start = std::min(start, after->y1);
        std::vector<double> rows { start };
        for (const Box& t : m_taken)
            if (t.y0 - kGap < start && t.y0 - kGap > area.y0)
                rows.push_back(t.y0 - kGap);
        std::sort(rows.begin(), rows.end(), std::greater<double>());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        for (double y : rows) {
            if (y - h < area.y0 + kMargin - kTolerance)
                break;
            // Along the row from the item's own place, then from the sheet's left side after
            // each box taken.
            std::vector<double> xs { area.x0 + kMargin };
            for (const Box& t : m_taken)
                if (t.x1 + kGap > area.x0 && t.x1 + kGap < area.x1)
                    xs.push_back(t.x1 + kGap);
            std::sort(xs.begin(), xs.end());
            if (ownRow && y == start && box.x0 >= area.x0 + kMargin)
                xs.insert(xs.begin(), box.x0);
            for (double x : xs) {
                const Box at { x, y - h, x + w, y };
                if (Free(at, s) && (!after || After(at, *after)))
                    return std::pair(x, y - h);
            }
        }
    }
    return std::nullopt;
}
