#include "CScopedModalAnswerer.h"

CScopedModalAnswerer::CScopedModalAnswerer() : m_previous(SetModalAnswerer(&m_answerer)) {}

CScopedModalAnswerer::~CScopedModalAnswerer() { SetModalAnswerer(m_previous); }
