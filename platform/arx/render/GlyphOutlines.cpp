// Outlines are made once per character at a large size and kept, so a drawing with many
// texts costs one outline per distinct character.
#include "GlyphOutlines.h"

#include "GradeSymbols.h"
#include "TextMetrics.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

namespace {

constexpr double kFontPixels = 100.0;

QFont drawingFont()
{
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(static_cast<int>(kFontPixels));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

const QPainterPath& GlyphOutlines::cellOutline(wchar_t ch, bool wide)
{
    if (GradeSymbols::isSymbol(ch))
        return GradeSymbols::cellOutline(ch);
    static QHash<uint, QPainterPath> cache;
    const uint key = static_cast<uint>(ch) | (wide ? 0x80000000u : 0u);
    const auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return it.value();

    static const QFont font = drawingFont();
    static const QFontMetricsF metrics(font);
    const QString text = QString::fromUcs4(reinterpret_cast<const char32_t*>(&ch), 1);
    QPainterPath path;
    path.addText(0.0, 0.0, font, text);
    const double advance = metrics.horizontalAdvance(text);
    const double width = advance > 0.0 ? advance : kFontPixels * 0.5;
    const double height = wide ? TextMetrics::kWideAscent * kFontPixels : (metrics.capHeight() > 0.0 ? metrics.capHeight() : 0.7 * kFontPixels);
    // Font space has y down; the cell has y up.
    path = QTransform::fromScale(1.0 / width, -1.0 / height).map(path);
    return cache.insert(key, path).value();
}
