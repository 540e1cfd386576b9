#include "window/pictures/piece_glyphs.h"

#include <QFont>
#include <QList>

#include "window/pictures/typeface.h"

namespace yukora::window {

QFont 駒の書体(int pixelSize) {
    QFont font(QString::fromUtf8(絵の書体));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

const QPainterPath& 駒の字形::形(const QString& text, int pixelSize) {
    const auto key = std::make_pair(text, pixelSize);
    if (const auto it = 控え_.find(key); it != 控え_.end()) return it->second;
    if (!元_.isValid()) 元_ = QRawFont::fromFont(駒の書体(pixelSize));
    QRawFont raw = 元_;
    raw.setPixelSize(pixelSize);
    QPainterPath path;
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    if (glyphs.contains(0u)) {
        // A kanji the face lacks: only the font's own fallback finds it.
        path.addText(0, 0, 駒の書体(pixelSize), text);
        return 控え_.emplace(key, std::move(path)).first->second;
    }
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
    QPointF pen;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        path.addPath(raw.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }
    return 控え_.emplace(key, std::move(path)).first->second;
}

}  // namespace yukora::window
