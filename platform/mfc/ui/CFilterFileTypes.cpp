#include "CFilterFileTypes.h"

#include "QtText.h"

#include <QFileInfo>

CFilterFileTypes::CFilterFileTypes(const CString& filter)
{
  const QStringList parts = ToQString(filter).split(u'|');
  for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
    Type type;
    // The text without the patterns it shows in brackets.
    type.text = parts[i].section(u'(', 0, 0).trimmed();
    for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
      // "*.*" and "*" are every file: those keep their own types.
      if (pattern.trimmed() != QStringLiteral("*.*") && pattern.trimmed() != QStringLiteral("*"))
        type.patterns.emplace_back(QRegularExpression::wildcardToRegularExpression(pattern.trimmed()),
                                   QRegularExpression::CaseInsensitiveOption);
    }
    if (!type.text.isEmpty() && !type.patterns.empty())
      m_types.push_back(std::move(type));
  }
}

QString CFilterFileTypes::type(const QFileInfo& info) const
{
  if (info.isFile())
    for (const Type& type : m_types)
      for (const QRegularExpression& pattern : type.patterns)
        if (pattern.match(info.fileName()).hasMatch())
          return type.text;
  return QFileIconProvider::type(info);
}
