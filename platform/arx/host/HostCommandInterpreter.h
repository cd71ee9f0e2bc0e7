// The host's command line for commands sent by modules (acedCommand, acedCmd): reads the
// arguments as a user's answers to each command's prompts and does to the database what the
// command does. Commands: TRIM, EXPLODE, ZOOM, REGEN/REGENALL, REDRAW/REDRAWALL, LAYER
// (-LAYER), INSERT (-INSERT), XREF (-XREF), LTSCALE, WIPEOUT. A leading "_" (any language)
// or "." (the built-in command) is dropped from command words and options.
#pragma once

#include "AcDbObjectId.h"
#include "resbuf.h"

#include <map>
#include <string>
#include <vector>

class AcDbDatabase;

class HostCommandInterpreter {
public:
    explicit HostCommandInterpreter(AcDbDatabase* db);

    // Runs every command of the list in turn. RTNORM when all completed; otherwise the
    // first failure's status (RTERROR, RTCAN), after a transcript line saying why.
    int run(const resbuf* arguments);

private:
    struct Token {
        enum class Kind { Text, Real, Point, Entity, Selection, Pick };
        Kind kind = Kind::Text;
        std::wstring text;
        double real = 0.0;
        double point[3] = {0.0, 0.0, 0.0};
        long name[2] = {0, 0};
    };
    // A value a command still needed was missing or refused; the message says which.
    struct Failure {
        std::wstring message;
        int status;
    };
    typedef int (HostCommandInterpreter::*Command)();

    // Reading the answers.
    bool atEnd() const { return mPos >= mTokens.size(); }
    const Token* peek() const { return atEnd() ? nullptr : &mTokens[mPos]; }
    bool nextIsEnter() const;
    bool nextIsPoint() const;
    // An option keyword, upper case without "_" or "."; "" for Enter.
    std::wstring nextWord(const wchar_t* what);
    std::wstring nextText(const wchar_t* what);
    double nextReal(const wchar_t* what);
    void nextPoint(const wchar_t* what, double point[3]);
    // Entities answered to "Select objects:" until Enter or the end; picks give their entity.
    std::vector<AcDbObjectId> nextObjects();
    [[noreturn]] void fail(const std::wstring& message, int status = RTERROR);
    std::wstring echoText(std::size_t from, std::size_t to) const;

    // The commands (HostCommandsView.cpp, HostCommandsLayer.cpp, HostCommandsInsert.cpp,
    // HostCommandsEdit.cpp).
    int zoom();
    int displayOnly();
    int ltscale();
    int wipeout();
    int layer();
    int insert();
    int xref();
    int explode();
    int trim();

    // Shared by INSERT and XREF: X/Y/Z/R/S options before the point, then the point, then
    // the scale and rotation prompts that no option answered.
    struct Placement {
        double point[3] = {0.0, 0.0, 0.0};
        double scale[3] = {1.0, 1.0, 1.0};
        double rotationDegrees = 0.0;
    };
    Placement nextPlacement(bool askScale);
    void addReference(AcDbObjectId blockId, const Placement& placement);
    // The file a command names: as given, with ".dxf" for a missing or ".dwg" extension,
    // beside the drawing, on the support path. "" when not found.
    std::wstring findDrawingFile(const std::wstring& name) const;
    // Trims one object at one pick against the edges; a failing geometry call is a failure
    // of the command.
    void trimAt(const std::vector<AcDbObjectId>& edges, AcDbObjectId object, const double pick[3]);

    AcDbDatabase* mDb;
    std::vector<Token> mTokens;
    std::size_t mPos = 0;
    std::wstring mCommandName;
    std::map<std::wstring, Command> mCommands;
};
