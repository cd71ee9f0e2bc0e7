// Bounds of a cap-beam design that the drawing can honour.
// Records refuse counts past them instead of growing lists the drawing classes cannot show.
#pragma once

// Pier columns under one cap: the editor offers one to nine, and bar marks encode the
// support number in one decimal digit.
inline constexpr int kMaxSupportCount = 9;

// Bar columns across the section: the drawing-side column text holds twenty characters,
// and the column adjustment of the editor handles no more.
inline constexpr int kMaxBarColumns = 20;

// Column text of a fresh design bar record.
inline constexpr int kDefaultBarColumns = 15;

// Cross sections of one cap: the whole-beam mid-span, one at each pier and one in each span
// between neighbouring piers.
inline constexpr int kMaxSectionCount = 2 * kMaxSupportCount + 1;

// Prestressing tendons keep at most this many section values.
inline constexpr int kMaxTendonSectionValues = 20;
