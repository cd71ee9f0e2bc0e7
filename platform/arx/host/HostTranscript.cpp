// The stream adaptor collects bytes until a line ends so that a UTF-8 sequence is never
// split across two writes.
#include "HostTranscript.h"

#include "HostPaths.h"
#include "CodePage.h"

#include <iostream>
#include <streambuf>

class HostTranscript::StreamBuf : public std::streambuf {
public:
    explicit StreamBuf(HostTranscript& owner) : mOwner(owner) {}

protected:
    int overflow(int ch) override
    {
        if (ch == traits_type::eof())
            return traits_type::not_eof(ch);
        mPending.push_back(static_cast<char>(ch));
        if (ch == '\n')
            flushPending();
        return ch;
    }
    int sync() override
    {
        flushPending();
        return 0;
    }

private:
    void flushPending()
    {
        if (!mPending.empty())
            mOwner.write(HostPaths::widen(mPending));
        mPending.clear();
    }

    HostTranscript& mOwner;
    std::string mPending;
};

HostTranscript::HostTranscript()
    : mEcho(&std::cout), mBuf(std::make_unique<StreamBuf>(*this)), mStream(std::make_unique<std::ostream>(mBuf.get()))
{
}

HostTranscript::~HostTranscript() { mStream->flush(); }

void HostTranscript::write(std::wstring_view text)
{
    if (text.empty())
        return;
    mText.append(text);
    mAtLineStart = text.back() == L'\n';
    if (mEcho != nullptr) {
        *mEcho << WideToUtf8Lossy(text);
        if (mAtLineStart)
            mEcho->flush();
    }
}

void HostTranscript::finishLine()
{
    if (!mAtLineStart)
        write(L"\n");
}

void HostTranscript::report(std::wstring_view line)
{
    finishLine();
    std::wstring text(line);
    text.push_back(L'\n');
    write(text);
}

void HostTranscript::clear()
{
    mText.clear();
    mAtLineStart = true;
}
