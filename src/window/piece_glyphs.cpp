#include "window/piece_glyphs.h"

#include <QFont>
#include <QList>

#include "window/art.h"

namespace yukora::window {

const QPainterPath& 駒の字形::形(const QString& text, int pixelSize) {
    const auto key = std::make_pair(text, pixelSize);
    if (const auto it = 控え_.find(key); it != 控え_.end()) return it->second;
    if (!元_.isValid()) {
        QFont font(QString::fromUtf8(絵の書体));
        font.setPixelSize(pixelSize);
        font.setBold(true);
        元_ = QRawFont::fromFont(font);
    }
    QRawFont raw = 元_;
    raw.setPixelSize(pixelSize);
    QPainterPath path;
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    if (glyphs.contains(0u)) {
        // A kanji the face lacks: only the font's own fallback finds it.
        QFont font(QString::fromUtf8(絵の書体));
        font.setPixelSize(pixelSize);
        font.setBold(true);
        path.addText(0, 0, font, text);
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
