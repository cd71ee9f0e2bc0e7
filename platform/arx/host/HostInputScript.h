// Answers to user input, given by the caller before a command runs, one per line:
//   point X,Y[,Z]          a point (acedGetPoint, and point prompts of commands)
//   pick HANDLE [X,Y[,Z]]  an entity picked at a point (acedEntSel); HANDLE is hexadecimal
//   select HANDLE ...      the entities of a selection (acedSSGet without a mode, or ":S")
//   string TEXT            a text (acedGetString); the rest of the line, possibly empty
//   none                   an empty answer (Enter)
//   cancel                 Esc
// Blank lines and lines starting with '#' are skipped. When no answer is left, every request
// is cancelled.
#pragma once

#include <deque>
#include <string>
#include <vector>

class HostInputScript {
public:
    struct Answer {
        enum class Kind { Point, Pick, Select, String, None, Cancel };
        Kind kind = Kind::Cancel;
        double point[3] = {0.0, 0.0, 0.0};
        bool hasPoint = false;
        std::vector<std::wstring> handles;
        std::wstring text;
    };

    // Adds the answers of a script; false (and nothing added) with the line number and the
    // reason in `error` when a line is malformed.
    bool add(const std::wstring& script, std::wstring* error = nullptr);
    // The next answer, taken out of the script; a Cancel answer when the script is empty.
    Answer next();
    std::size_t pending() const { return mAnswers.size(); }
    void clear() { mAnswers.clear(); }

    // "X,Y" or "X,Y,Z" in the C locale.
    static bool parsePoint(const std::wstring& text, double point[3]);
    static std::wstring kindName(Answer::Kind kind);

private:
    std::deque<Answer> mAnswers;
};
