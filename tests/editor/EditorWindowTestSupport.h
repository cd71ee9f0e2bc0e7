// What the editor's window tests share: a registry file and a scratch folder of their own,
// boxes and dialogs answered by script, and the design files the tests open.
#pragma once

#include "CScopedMessageBoxAnswerer.h"
#include "CScopedModalAnswerer.h"
#include "CString.h"

#include <gtest/gtest.h>

#include <filesystem>

class EditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CString Wide(const std::filesystem::path& path) const { return CString(path.wstring()); }
    CString CurGltFile() const;
    std::filesystem::path Sample() const;

    std::filesystem::path m_dir;
    CScopedMessageBoxAnswerer m_boxes;
    CScopedModalAnswerer m_dialogs;
};
