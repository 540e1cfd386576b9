// The outlines of the pieces' kanji, cut once for each text and size.
#pragma once
#include <QFont>
#include <QPainterPath>
#include <QRawFont>
#include <QString>
#include <map>
#include <utility>

namespace yukora::window {

// The pictures' bold face for the pieces' kanji at `pixelSize`.
QFont 駒の書体(int pixelSize);

class 駒の字形 final {
public:
    // The outline of `text` in the pictures' bold face at `pixelSize`, its pen at the origin:
    // what QPainterPath::addText gives at (0, 0). Both players' pieces share it, and every
    // size is cut from the one font engine first asked for, instead of a new one per size.
    const QPainterPath& 形(const QString& text, int pixelSize);

private:
    QRawFont 元_;
    std::map<std::pair<QString, int>, QPainterPath> 控え_;
};

}  // namespace yukora::window
