#include "CadHostWindow.h"

#include "AcDbDatabase.h"
#include "AcRxDynamicLinker.h"
#include "CadHostDrawingView.h"
#include "CadHostPlot.h"
#include "CadHostSession.h"
#include "DrawingRenderer.h"
#include "HostApplication.h"
#include "HostPaths.h"
#include "MessageBoxService.h"
#include "aced.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QJsonArray>
#include <QKeySequence>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSplitter>

namespace {

bool Offscreen()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QStringLiteral("offscreen") || platform == QStringLiteral("minimal");
}

// An answer typed after the command's name: a point when it reads as X,Y or X,Y,Z, else a text.
QString InputLine(const QString& word)
{
    static const QRegularExpression point(QStringLiteral("^-?[0-9.]+,-?[0-9.]+(,-?[0-9.]+)?$"));
    return (point.match(word).hasMatch() ? QStringLiteral("point ") : QStringLiteral("string ")) + word;
}

} // namespace

CadHostWindow::CadHostWindow()
    : mView(new CadHostDrawingView), mTranscript(new QPlainTextEdit),
      mBoxes(this, !Offscreen(), &HostApplication::instance().transcript().stream()),
      mServer({[this] { return describeDocument(); }, [this](const QString& line) { return runCommandLine(line); }})
{
    mTranscript->setReadOnly(true);
    mTranscript->setFont(QFont(QStringLiteral("Monospace")));
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(mView);
    split->addWidget(mTranscript);
    split->setStretchFactor(0, 5);
    split->setStretchFactor(1, 1);
    setCentralWidget(split);
    buildMenus();
    resize(1000, 760);
    refresh();
}

CadHostWindow::~CadHostWindow() = default;

int CadHostWindow::exec(int& argc, char** argv, const std::string& drawing)
{
    QApplication app(argc, argv);
    HostApplication& host = HostApplication::instance();
    int status = 0;
    {
        CadHostWindow window;
        CMessageBoxAnswerer* previous = SetMessageBoxAnswerer(&window.mBoxes);
        std::string reason;
        if (CadHostSession::loadDrawingPlugin(reason) != CadHostSession::kOk)
            window.report(QString::fromStdString(reason));
        if (!drawing.empty())
            window.openDrawing(QString::fromStdString(drawing));
        QString why;
        window.report(window.mServer.listen(why) ? QStringLiteral("Serving the editor at ") + window.mServer.name()
                                                 : QStringLiteral("Not serving the editor: ") + why);
        window.show();
        status = app.exec();
        SetMessageBoxAnswerer(previous);
    }
    host.shutdown();
    return status;
}

void CadHostWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&New drawing"), QKeySequence::New, [this] { newDrawing(); });
    file->addAction(QStringLiteral("&Open DXF..."), QKeySequence::Open, [this] { chooseDrawing(); });
    file->addAction(QStringLiteral("&Save as DXF..."), QKeySequence::Save, [this] { saveDrawing(); });
    file->addSeparator();
    file->addAction(QStringLiteral("&Plot to PDF..."), QKeySequence::Print, [this] { plot(); });
    file->addAction(QStringLiteral("&Export PNG or SVG..."), [this] { exportPicture(); });
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), QKeySequence::Quit, [this] { close(); });
    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->addAction(QStringLiteral("&Load module..."), [this] { loadModule(); });
    tools->addAction(QStringLiteral("&Run command..."), QKeySequence(Qt::CTRL | Qt::Key_R), [this] { askCommand(); });
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(QStringLiteral("&Zoom extents"), QKeySequence(Qt::Key_Home), [this] { mView->zoomExtents(); });
}

void CadHostWindow::refresh()
{
    HostApplication& host = HostApplication::instance();
    mView->setDrawing(host.database());
    setWindowTitle(QStringLiteral("cadhost - ") + QString::fromWCharArray(host.docManager().curDocument()->docTitle()));
    mTranscript->setPlainText(QString::fromStdWString(host.transcript().text()));
    mTranscript->verticalScrollBar()->setValue(mTranscript->verticalScrollBar()->maximum());
}

void CadHostWindow::report(const QString& line)
{
    HostApplication::instance().transcript().report(line.toStdWString());
    refresh();
}

QJsonObject CadHostWindow::describeDocument() const
{
    HostApplication& host = HostApplication::instance();
    return {{QStringLiteral("document"), QString::fromWCharArray(host.docManager().curDocument()->docTitle())},
            {QStringLiteral("entities"), static_cast<qint64>(CadHostSession::modelSpaceCount(host.database()))}};
}

// The host comes to the front, so that the drawing and the boxes the command shows are seen.
// A command line that comes while a box of the running command waits is refused, not nested.
QJsonObject CadHostWindow::runCommandLine(const QString& line)
{
    HostApplication& host = HostApplication::instance();
    if (mRunning)
        return {{QStringLiteral("finished"), true}, {QStringLiteral("ran"), false}, {QStringLiteral("busy"), true}};
    const QScopedValueRollback<bool> running(mRunning, true);
    showNormal();
    raise();
    activateWindow();
    const QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    const std::size_t before = CadHostSession::modelSpaceCount(host.database());
    bool ran = false;
    if (!words.isEmpty()) {
        host.inputScript().clear();
        QStringList answers;
        for (qsizetype i = 1; i < words.size(); ++i)
            answers << InputLine(words[i]);
        host.inputScript().add(answers.join(QLatin1Char('\n')).toStdWString());
        ran = host.runCommand(words.front().toStdWString().c_str()) == RTNORM;
    }
    const std::size_t after = CadHostSession::modelSpaceCount(host.database());
    QJsonArray boxes;
    for (const CadHostBoxes::Shown& box : mBoxes.take())
        boxes.append(QJsonObject{{QStringLiteral("caption"), QString::fromStdWString(box.caption)},
                                 {QStringLiteral("text"), QString::fromStdWString(box.text)}});
    refresh();
    return {{QStringLiteral("finished"), true},
            {QStringLiteral("ran"), ran},
            {QStringLiteral("drawn"), after > before},
            {QStringLiteral("entities"), static_cast<qint64>(after)},
            {QStringLiteral("boxes"), boxes}};
}

bool CadHostWindow::openDrawing(const QString& path)
{
    const std::wstring name = QFileInfo(path).absoluteFilePath().toStdWString();
    auto db = std::make_unique<AcDbDatabase>(false, false);
    if (db->readDwgFile(name.c_str()) != Acad::eOk) {
        report(QStringLiteral("Cannot read the drawing ") + path);
        return false;
    }
    HostApplication::instance().docManager().newDocument(std::move(db), name);
    report(QStringLiteral("Opened ") + path);
    return true;
}

void CadHostWindow::newDrawing()
{
    HostApplication::instance().docManager().newDocument();
    refresh();
}

void CadHostWindow::chooseDrawing()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open drawing"), QString(),
                                                      QStringLiteral("DXF drawings (*.dxf)"));
    if (!path.isEmpty())
        openDrawing(path);
}

QString CadHostWindow::chooseSaveFile(const QString& title, const QString& filter, const QString& suffix)
{
    const QString base = QFileInfo(QString::fromWCharArray(HostApplication::instance().docManager().curDocument()->docTitle()))
                             .completeBaseName();
    return QFileDialog::getSaveFileName(this, title, base + suffix, filter);
}

void CadHostWindow::saveDrawing()
{
    const QString path = chooseSaveFile(QStringLiteral("Save drawing"), QStringLiteral("DXF drawings (*.dxf)"),
                                        QStringLiteral(".dxf"));
    if (path.isEmpty())
        return;
    const Acad::ErrorStatus es = HostApplication::instance().database()->dxfOut(path.toStdWString().c_str());
    report(es == Acad::eOk ? QStringLiteral("Saved ") + path : QStringLiteral("Cannot save ") + path);
}

void CadHostWindow::plot()
{
    const QString path = chooseSaveFile(QStringLiteral("Plot to PDF"), QStringLiteral("PDF (*.pdf)"),
                                        QStringLiteral(".pdf"));
    if (path.isEmpty())
        return;
    std::wstring error;
    const bool done = CadHostPlot::write(HostApplication::instance().database(), path.toStdWString(), &error);
    report(done ? QStringLiteral("Plotted ") + path : QString::fromStdWString(error));
}

void CadHostWindow::exportPicture()
{
    const QString path = chooseSaveFile(QStringLiteral("Export picture"),
                                        QStringLiteral("Pictures (*.png *.svg)"), QStringLiteral(".png"));
    if (path.isEmpty())
        return;
    std::wstring error;
    const bool done = DrawingRenderer::renderFile(HostApplication::instance().database(), path.toStdWString(),
                                                  DrawingRenderer::Options(), &error);
    report(done ? QStringLiteral("Drew ") + path : QString::fromStdWString(error));
}

void CadHostWindow::loadModule()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Load module"), QString(),
                                                      QStringLiteral("Modules (*.so)"));
    if (!path.isEmpty())
        acrxLoadModule(path.toStdWString().c_str(), true);
    refresh();
}

void CadHostWindow::askCommand()
{
    bool ok = false;
    const QString line = QInputDialog::getText(this, QStringLiteral("Run command"), QStringLiteral("Command:"),
                                               QLineEdit::Normal, QString(), &ok);
    if (ok && !line.trimmed().isEmpty())
        runCommandLine(line);
}
