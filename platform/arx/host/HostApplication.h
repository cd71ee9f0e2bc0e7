// The host itself: one per process, made on first use. It owns the command line, the system
// registry with the dynamic linker, class dictionary and command stack, the document manager,
// the system variables, the input script and the selection sets, and runs commands by name.
#pragma once

#include "AcApDocManager.h"
#include "AcEdCommandStack.h"
#include "AcRxClassDictionary.h"
#include "AcRxDictionary.h"
#include "AcRxDynamicLinker.h"
#include "HostInputScript.h"
#include "HostSelectionSets.h"
#include "HostSystemVariables.h"
#include "HostTranscript.h"

class AcDbDatabase;

class HostApplication {
public:
    static HostApplication& instance();

    HostTranscript& transcript() { return mTranscript; }
    AcRxDictionary& sysRegistry() { return mSysRegistry; }
    AcRxDynamicLinker& dynamicLinker() { return mLinker; }
    AcEdCommandStack& commandStack() { return mCommands; }
    AcApDocManager& docManager() { return mDocManager; }
    HostSystemVariables& systemVariables() { return mVariables; }
    HostInputScript& inputScript() { return mInput; }
    HostSelectionSets& selectionSets() { return mSelections; }
    // The current document's database (made on first use).
    AcDbDatabase* database();

    // Runs a registered command as a user types its name; RTNORM when it ran, RTERROR with a
    // transcript line when no command has that name or the command threw.
    int runCommand(const ACHAR* typedName);

    // Closes the document and unloads every module; the host can go on afterwards with a
    // new document. Called at exit too.
    void shutdown();

private:
    HostApplication();
    ~HostApplication();

    // Declared first, destroyed last: everything below may still print while going.
    HostTranscript mTranscript;
    AcRxDictionary mSysRegistry;
    AcRxClassDictionary mClasses;
    AcEdCommandStack mCommands;
    HostSystemVariables mVariables;
    HostInputScript mInput;
    HostSelectionSets mSelections;
    AcApDocManager mDocManager;
    AcRxDynamicLinker mLinker;
};

// The running host's command line.
inline HostTranscript& hostTranscript() { return HostApplication::instance().transcript(); }
