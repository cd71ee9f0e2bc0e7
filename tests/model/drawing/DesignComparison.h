// Field-by-field comparison of a drawing-side record with the design record it was converted
// from, and the example designs the comparisons run over.
#pragma once

#include "CBent_PierInfo.h"
#include "CHLGZ_PierInfo.h"

#include <filesystem>

const std::filesystem::path& ExamplesFolder();
// Reads one example design; a failed read fails the calling test.
CBent_PierInfo ReadExample(const std::filesystem::path& file);

void ExpectSameBar(const CBent_BASSteel& design, const CHLGZ_BASSteel& drawn);
void ExpectSameFace(const CBent_FaceInfo& design, const CHLGZ_FaceInfo& drawn);
void ExpectSameDesign(const CBent_PierInfo& design, const CHLGZ_PierInfo& drawn);
