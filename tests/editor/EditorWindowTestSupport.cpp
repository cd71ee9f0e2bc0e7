#include "EditorWindowTestSupport.h"

#include "DesignRegistry.h"

#include <cstdlib>
#include <unistd.h>

namespace fs = std::filesystem;

void EditorWindowTest::SetUp()
{
    m_dir = fs::temp_directory_path() / ("corbel-editor-window-" + std::to_string(getpid()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
    setenv("CORBEL_REGISTRY", (m_dir / "registry").c_str(), 1);
    // The host the editor binds to: any program that runs.
    setenv("CORBEL_CADHOST", "/bin/true", 1);
    m_boxes->SetLog(nullptr);
}

void EditorWindowTest::TearDown()
{
    unsetenv("CORBEL_CADHOST");
    fs::remove_all(m_dir);
}

CString EditorWindowTest::CurGltFile() const
{
    CString value(L"<unread>");
    ReadRegString(L"CurGltFile", value);
    return value;
}

fs::path EditorWindowTest::Sample() const { return fs::path(CORBEL_SOURCE_ROOT) / "examples" / "sample.glt"; }
