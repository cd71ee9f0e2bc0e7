// The host's command line: everything printed with acutPrintf, the prompts and answers of
// user input, echoed commands, message boxes and the host's own reports, in order. Kept as
// text for the caller and echoed as UTF-8 to an output stream (standard output by default).
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

class HostTranscript {
public:
    HostTranscript();
    ~HostTranscript();
    HostTranscript(const HostTranscript&) = delete;
    HostTranscript& operator=(const HostTranscript&) = delete;

    void write(std::wstring_view text);
    // A line of the host's own: starts on a fresh line and ends with a line break.
    void report(std::wstring_view line);
    // Ends the current line when something is written on it.
    void finishLine();

    const std::wstring& text() const { return mText; }
    void clear();
    // Where the transcript is echoed; null echoes nowhere.
    void setEcho(std::ostream* out) { mEcho = out; }
    // A narrow (UTF-8) stream into the transcript, for services that log to a stream.
    std::ostream& stream() { return *mStream; }

private:
    class StreamBuf;

    std::wstring mText;
    std::ostream* mEcho;
    bool mAtLineStart = true;
    std::unique_ptr<StreamBuf> mBuf;
    std::unique_ptr<std::ostream> mStream;
};
