// Which form shows which category of the tree: 0 the summary, 200 to 209 the single forms,
// 100 to 199 the bar lists, 11 to 19 the supports; the groups 1 and 10 have none.
#pragma once

#include "CBentCapFormBaseView.h"

#include <memory>

using FormFactory = std::unique_ptr<CBentCapFormBaseView> (*)();

// Null for a code that no form shows.
FormFactory FormFactoryForCategory(int nCode);
// The code the form keeps: the category of a bar-list or support form, -1 for the others.
int FormCodeForCategory(int nCode);
