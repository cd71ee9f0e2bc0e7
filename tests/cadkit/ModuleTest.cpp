// The host loading Corbelkit alone, as an application of its own: the banner and the module's
// lock and MDI states.
#include "CadkitFixture.h"

#include "AsdkDataManager.h"
#include "CDocData.h"

#include <sstream>
#include <vector>

namespace {

std::vector<std::wstring> linesOf(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    std::wstringstream in(text);
    for (std::wstring line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

using ModuleEntry = CadkitFixture;

TEST_F(ModuleEntry, TheHostLoadingTheLibraryPrintsTheBannerAndCanUnloadIt)
{
    AcRxDynamicLinker& linker = app().dynamicLinker();
    ASSERT_TRUE(linker.loadModule(L"" CORBELKIT_LIBRARY, false));

    const std::vector<std::wstring> lines = linesOf(transcript());
    ASSERT_EQ(lines.size(), 4u) << transcript().size();
    EXPECT_EQ(lines[0], L"");
    EXPECT_EQ(lines[1], std::wstring(61, L'*'));
    EXPECT_NE(lines[2].find(L"Corbelkit"), std::wstring::npos);
    EXPECT_EQ(lines[3], std::wstring(61, L'*'));

    EXPECT_TRUE(linker.isAppMDIAware(L"libcorbelkit.so"));
    EXPECT_FALSE(linker.isApplicationLocked(L"libcorbelkit.so"));
    EXPECT_EQ(app().commandStack().lookupTyped(L"CORBELKIT"), nullptr);

    app().transcript().clear();
    EXPECT_TRUE(linker.unloadModule(L"libcorbelkit.so"));
    EXPECT_EQ(transcript(), L"");
}

TEST_F(ModuleEntry, PerDocumentRecordIsForgottenWhenItsDocumentGoes)
{
    AsdkDataManager<CDocData> manager;
    AcApDocument* doc = acDocManager->curDocument();
    manager.docData(doc);
    EXPECT_TRUE(manager.hasDocData(doc));
    app().docManager().newDocument();
    EXPECT_FALSE(manager.hasDocData(doc));
}
