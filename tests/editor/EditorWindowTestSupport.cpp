#include "EditorWindowTestSupport.h"

#include "DesignRegistry.h"

#include <cstdlib>
#include <unistd.h>

namespace fs = std::filesystem;

void EditorWindowTest::SetUp()
{
    m_dir = fs::absolute(fs::temp_directory_path()) / ("corbel-editor-window-" + std::to_string(getpid()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
    const char* registry = std::getenv("CORBEL_REGISTRY");
    m_registry = registry ? registry : "";
    setenv("CORBEL_REGISTRY", (m_dir / "registry").c_str(), 1);
    // The host the editor binds to, started on binding, with its socket in the test's folder.
    setenv("CORBEL_CADHOST", CORBEL_FAKE_CADHOST, 1);
    setenv("XDG_RUNTIME_DIR", m_dir.c_str(), 1);
    m_boxes->SetLog(nullptr);
}

void EditorWindowTest::TearDown()
{
    unsetenv("CORBEL_CADHOST");
    unsetenv("CORBEL_FAKE_CADHOST_VERSION");
    unsetenv("XDG_RUNTIME_DIR");
    if (m_registry.empty())
        unsetenv("CORBEL_REGISTRY");
    else
        setenv("CORBEL_REGISTRY", m_registry.c_str(), 1);
    fs::remove_all(m_dir);
}

CString EditorWindowTest::CurGltFile() const
{
    CString value(L"<unread>");
    ReadRegString(L"CurGltFile", value);
    return value;
}

fs::path EditorWindowTest::Sample() const { return fs::path(CORBEL_SOURCE_ROOT) / "examples" / "sample.glt"; }
