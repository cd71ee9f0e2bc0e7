// The program's one icon, worn by the main window and every dialog: a cap beam on two piers,
// its bars in red.
#pragma once

#include <QIcon>

QIcon MakeProgramIcon();
