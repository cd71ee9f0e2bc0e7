// cadhost as a program a person uses: the current document's drawing with zoom and pan, the
// command line's transcript below it, and a menu to make a new drawing, open and save DXF, plot
// to PDF, export PNG or SVG, load a module and run a command by name. The drawing plug-in is
// loaded at start; the local socket server lets the editor send it command lines.
#pragma once

#include "CadHostBoxes.h"
#include "CadHostServer.h"

#include <QJsonObject>
#include <QMainWindow>

#include <memory>
#include <string>

class CadHostDrawingView;
class QPlainTextEdit;

class CadHostWindow : public QMainWindow {
public:
    CadHostWindow();
    ~CadHostWindow() override;

    // Runs the window until the user closes it; the exit status of the program.
    static int exec(int& argc, char** argv, const std::string& drawing);

    // Runs a command line on the current document as a person types it: the command's name,
    // then its answers separated by blanks.
    QJsonObject runCommandLine(const QString& line);
    QJsonObject describeDocument() const;
    bool openDrawing(const QString& path);
    CadHostServer& server() { return mServer; }

private:
    void buildMenus();
    void refresh();
    void newDrawing();
    void chooseDrawing();
    void saveDrawing();
    void plot();
    void exportPicture();
    void loadModule();
    void askCommand();
    // The chosen file name, or empty when the user cancelled.
    QString chooseSaveFile(const QString& title, const QString& filter, const QString& suffix);
    void report(const QString& line);

    CadHostDrawingView* mView;
    QPlainTextEdit* mTranscript;
    CadHostBoxes mBoxes;
    CadHostServer mServer;
    bool mRunning = false;
};
