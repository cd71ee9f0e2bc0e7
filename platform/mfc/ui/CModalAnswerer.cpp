#include "CModalAnswerer.h"

#include "CScriptedModalAnswerer.h"

namespace {

CModalAnswerer*& Installed()
{
  static CModalAnswerer* answerer = nullptr;
  return answerer;
}

CModalAnswerer& BuiltIn()
{
  static CScriptedModalAnswerer answerer;
  return answerer;
}

} // namespace

CModalAnswerer* SetModalAnswerer(CModalAnswerer* answerer)
{
  CModalAnswerer* previous = Installed();
  Installed() = answerer;
  return previous;
}

CModalAnswerer& GetModalAnswerer() { return Installed() ? *Installed() : BuiltIn(); }
