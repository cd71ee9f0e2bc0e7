// The table of a grid form: a grid control in the place of the form's table frame, two pixels
// inside it, editable, with drag and drop, title tips and the forms' pale yellow cells.
#pragma once

#include "CGridCtrl.h"

#include <memory>

std::unique_ptr<CGridCtrl> CreateFormGrid(CWnd* pParent, const CRect& tableFrame, UINT nID);
