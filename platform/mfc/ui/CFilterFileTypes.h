// The type a file dialog's list shows for a file: the text of the first filter whose patterns
// take its name ("盖梁图文件" for "*.glt"), not what the system guesses from its content; a file
// no filter names keeps the system's type.
#pragma once

#include "CString.h"

#include <QFileIconProvider>
#include <QRegularExpression>
#include <QString>

#include <vector>

class CFilterFileTypes : public QFileIconProvider {
public:
  // The filter as the dialogs take it: "text|pattern;pattern|text|pattern||".
  explicit CFilterFileTypes(const CString& filter);

  QString type(const QFileInfo& info) const override;

private:
  struct Type {
    QString text;
    std::vector<QRegularExpression> patterns;
  };
  std::vector<Type> m_types;
};
