// Installing in the constructor and restoring in the destructor keeps nested guards in order.
#include "CScopedMessageBoxAnswerer.h"

#include "MessageBoxService.h"

CScopedMessageBoxAnswerer::CScopedMessageBoxAnswerer()
    : m_previous(SetMessageBoxAnswerer(&m_answerer)) {}

CScopedMessageBoxAnswerer::~CScopedMessageBoxAnswerer() { SetMessageBoxAnswerer(m_previous); }
