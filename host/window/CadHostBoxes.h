// Message boxes of the windowed host: each box a module or the host shows is kept (caption and
// text) until the command that showed it is reported. A person at the screen answers real
// dialogs; on the offscreen platform the boxes are answered by script, as headless.
#pragma once

#include "CScriptedMessageBoxAnswerer.h"

#include <string>
#include <vector>

class QWidget;

class CadHostBoxes : public CMessageBoxAnswerer {
public:
    struct Shown {
        std::wstring caption;
        std::wstring text;
    };

    CadHostBoxes(QWidget* owner, bool interactive, std::ostream* log);

    int Answer(const MessageBoxRequest& request) override;
    // The boxes shown since the last call.
    std::vector<Shown> take();

private:
    int AskPerson(const MessageBoxRequest& request);

    QWidget* m_owner;
    bool m_interactive;
    CScriptedMessageBoxAnswerer m_script;
    std::vector<Shown> m_shown;
};
