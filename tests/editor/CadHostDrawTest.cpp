// The editor and the windowed cadhost together: the host is started, the editor's driver binds
// to it as the editor does at start-up and sends the draw command for a design and for a design
// the plug-in refuses.
#include "AcadVersion.h"
#include "CCadHostDriver.h"
#include "DesignFileTestSupport.h"
#include "DesignRegistry.h"
#include "EditorWindowTestSupport.h"

#include <QJsonArray>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

#include "CadHostLink.h"

namespace {

const int kDrawMsecs = 60000;

class CadHostDrawTest : public EditorWindowTest {
protected:
    void SetUp() override
    {
        EditorWindowTest::SetUp();
        setenv("CORBEL_CADHOST", CORBEL_CADHOST_PROGRAM, 1);
        // No registered system folder, no support path: the host finds its own title block.
        unsetenv("CORBEL_SUPPORT_PATH");
        m_host.setProgram(CORBEL_CADHOST_PROGRAM);
        m_host.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_host.setStandardOutputFile(QString::fromStdString((m_dir / "host.txt").string()));
        m_host.start();
        ASSERT_TRUE(m_host.waitForStarted());
        WaitForServer();
    }
    void TearDown() override
    {
        m_host.kill();
        m_host.waitForFinished();
        EditorWindowTest::TearDown();
    }
    void WaitForServer()
    {
        for (int i = 0; i < 200; ++i) {
            QLocalSocket probe;
            probe.connectToServer(CadHostLink::serverName());
            if (probe.waitForConnected(100))
                return;
            QThread::msleep(50);
        }
        FAIL() << "the host never served " << CadHostLink::serverName().toStdString();
    }
    QJsonObject Draw(CCadHostDriver& driver, const fs::path& design)
    {
        WriteRegString(L"CurGltFile", Wide(design));
        EXPECT_TRUE(driver.SendCommand(L"BC_NOUI "));
        return driver.WaitForResult(kDrawMsecs);
    }

    QProcess m_host;
};

TEST_F(CadHostDrawTest, TheHostDrawsTheDesignAndReportsTheRefusalsBox)
{
    CCadHostDriver driver;
    ASSERT_TRUE(driver.AttachRunning());
    EXPECT_EQ(driver.GetVersion(), L"17.0");
    EXPECT_TRUE(IsAcceptedAcadVersion(AcadVersionCode(driver.GetVersion())));
    EXPECT_TRUE(driver.GetProgram().IsEmpty()) << "a running host is bound, not started";
    EXPECT_EQ(driver.QueryDocument().value("entities").toInt(-1), 0);

    const QJsonObject drawn = Draw(driver, Sample());
    EXPECT_TRUE(drawn.value("ran").toBool());
    EXPECT_TRUE(drawn.value("drawn").toBool());
    EXPECT_TRUE(drawn.value("boxes").toArray().isEmpty());
    const QJsonObject document = driver.QueryDocument();
    EXPECT_EQ(document.value("document").toString(), "Drawing1.dwg");
    EXPECT_GT(document.value("entities").toInt(), 1000);
    EXPECT_EQ(document.value("entities").toInt(), drawn.value("entities").toInt());
    EXPECT_FALSE(fs::exists(m_dir / "sample.dxf"));

    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    ASSERT_EQ(ReadDesign(Sample(), design, geometry), 1);
    geometry.dLeftAngle = geometry.dRightAngle = 90.0;
    ASSERT_EQ(WriteDesign(m_dir / "square.glt", design, geometry), 1);
    const QJsonObject refused = Draw(driver, m_dir / "square.glt");
    EXPECT_FALSE(refused.value("drawn").toBool());
    const QJsonArray boxes = refused.value("boxes").toArray();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].toObject().value("caption").toString(), QString::fromUtf8("分支错误"));
    EXPECT_EQ(boxes[0].toObject().value("text").toString(),
              QString::fromUtf8("当前盖梁左右两侧角度均为90°，请按斜布骨架绘制！"));
    EXPECT_EQ(driver.QueryDocument().value("entities").toInt(), document.value("entities").toInt());
}

} // namespace
