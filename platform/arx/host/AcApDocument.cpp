// A new drawing is titled as the host titles its first unsaved drawing.
#include "AcApDocument.h"

#include "AcDbDatabase.h"

#include "HostPaths.h"

#include <algorithm>

AcApDocument::AcApDocument(std::unique_ptr<AcDbDatabase> database, std::wstring fileName)
    : mDatabase(std::move(database)), mFileName(std::move(fileName))
{
    mTitle = mFileName.empty() ? std::wstring(L"Drawing1.dwg") : HostPaths::fromPath(HostPaths::toPath(mFileName).filename());
}

AcApDocument::~AcApDocument() = default;

bool AcApDocument::viewWindow(double lower[2], double upper[2]) const
{
    if (!mHasView)
        return false;
    lower[0] = mView[0];
    lower[1] = mView[1];
    upper[0] = mView[2];
    upper[1] = mView[3];
    return true;
}

void AcApDocument::setViewWindow(double x0, double y0, double x1, double y1)
{
    mView[0] = std::min(x0, x1);
    mView[1] = std::min(y0, y1);
    mView[2] = std::max(x0, x1);
    mView[3] = std::max(y0, y1);
    mHasView = true;
}
