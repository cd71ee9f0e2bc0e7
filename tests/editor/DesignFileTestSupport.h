// What the design-file writer tests share: a scratch folder, reading and writing designs, the
// bytes and lines of a file, and a design that holds a value in every record the file carries.
#pragma once

#include "CBent_HlFile.h"
#include "CScopedMessageBoxAnswerer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

const fs::path kSourceRoot = CORBEL_SOURCE_ROOT;
const fs::path kExamples = kSourceRoot / "examples";

CString Wide(const fs::path& path);
std::string Bytes(const fs::path& path);
// The file's lines, decoded from GBK, split at CR LF.
std::vector<std::wstring> Lines(const fs::path& path);

int ReadDesign(const fs::path& path, CBent_PierInfo& design, CBent_BasicGeometry& geometry);
int WriteDesign(const fs::path& path, CBent_PierInfo& design, CBent_BasicGeometry& geometry);

// Three supports, five bar columns, two skeleton types with bars of their own, every bar family
// at every place it can be, coded and absent bent-up lengths, stirrups on the main and the end
// face, two tendons and strengthening codes; only values the version 4.3 file carries, laid out
// as the reader leaves them.
void BuildFullDesign(CBent_PierInfo& design, CBent_BasicGeometry& geometry);

class DesignFileTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    fs::path m_dir;
    CScopedMessageBoxAnswerer m_boxes;
};
