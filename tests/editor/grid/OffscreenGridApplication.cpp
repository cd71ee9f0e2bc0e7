// The Qt application the grid tests need, on the offscreen platform so that they run without a
// screen.
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class OffscreenGridApplication : public ::testing::Environment {
public:
  void SetUp() override
  {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    m_app = std::make_unique<QApplication>(m_argc, m_argv);
  }
  void TearDown() override { m_app.reset(); }

private:
  int m_argc = 1;
  char m_name[16] = "grid-tests";
  char* m_argv[2] = {m_name, nullptr};
  std::unique_ptr<QApplication> m_app;
};

const ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new OffscreenGridApplication);

} // namespace
