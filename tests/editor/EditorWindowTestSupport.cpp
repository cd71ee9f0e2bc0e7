#include "EditorWindowTestSupport.h"

#include "DesignRegistry.h"

#include <chrono>
#include <cstdlib>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A host a test started ends on its own once the editor lets go of it, and takes its socket
// with it: a file may go while the folder is being removed, which is then tried again.
void RemoveFolder(const fs::path& dir)
{
    std::error_code error;
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::remove_all(dir, error);
        if (!fs::exists(dir, error))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ADD_FAILURE() << "cannot remove " << dir;
}

} // namespace

void EditorWindowTest::SetUp()
{
    m_dir = fs::absolute(fs::temp_directory_path()) / ("corbel-editor-window-" + std::to_string(getpid()));
    RemoveFolder(m_dir);
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
    RemoveFolder(m_dir);
}

CString EditorWindowTest::CurGltFile() const
{
    CString value(L"<unread>");
    ReadRegString(L"CurGltFile", value);
    return value;
}

fs::path EditorWindowTest::Sample() const { return fs::path(CORBEL_SOURCE_ROOT) / "examples" / "sample.glt"; }
