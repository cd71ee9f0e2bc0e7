// A new drawing per test (FrameworkFixture), the sample design read into records that a test
// then changes, and the current design file set in the registry.
#pragma once

#include "CBent_HlFile.h"
#include "CorbeldrawCommand.h"
#include "CurrentDesignKey.h"
#include "FrameworkFixture.h"
#include "Registry.h"

#include <cstdlib>
#include <string>

class PluginFixture : public FrameworkFixture {
protected:
    // A registry of this test's own, so that concurrent tests never read its current design; the
    // title block comes from the repository's support folder.
    void SetUp() override
    {
        FrameworkFixture::SetUp();
        setenv("CORBEL_REGISTRY", file("registry").c_str(), 1);
        setenv("CORBEL_SUPPORT_PATH", (std::string(CORBEL_SOURCE_DIR) + "/Support").c_str(), 1);
    }

    static std::wstring Example(const char* name)
    {
        const std::string path = std::string(CORBEL_SOURCE_DIR) + "/examples/" + name;
        return std::wstring(path.begin(), path.end());
    }

    // The example's records as the run reads them.
    static void ReadExample(const char* name, CBent_PierInfo& design, CBent_BasicGeometry& geometry)
    {
        geometry = CorbeldrawCommand::InitialGeometry();
        CBent_HlFile file;
        file.SetPath(Example(name).c_str());
        file.SetPierInfo(&design);
        file.SetBasicGeometry(&geometry);
        ASSERT_EQ(file.Read(), 1);
    }


    static bool Has(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }
    static int Count(const std::wstring& text, const std::wstring& part)
    {
        int n = 0;
        for (auto at = text.find(part); at != std::wstring::npos; at = text.find(part, at + part.size()))
            ++n;
        return n;
    }
};
