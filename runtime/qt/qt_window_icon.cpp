// The window's icon, from the images the program carries as Qt resources.
#include "runtime/qt/qt_window_icon.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPixmap>

#include <cmath>

namespace ringcalc::runtime {
namespace {

// A square image stored as bare RGBA bytes. Any encoded format would make Qt load and ask every image
// format plugin it has whether it reads the file before its own decoder is tried.
[[nodiscard]] QImage squareImage(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = in.readAll();
    const auto side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(bytes.size()) / 4)));
    if (side == 0 || static_cast<qsizetype>(side) * side * 4 != bytes.size()) {
        return {};
    }
    const qsizetype bytesPerLine = static_cast<qsizetype>(side) * 4;
    return QImage(reinterpret_cast<const uchar*>(bytes.constData()), side, side, bytesPerLine, QImage::Format_RGBA8888)
        .copy();
}

} // namespace

QIcon windowIcon() {
    QIcon icon;
    for (QDirIterator files(QStringLiteral(":/window-icon")); files.hasNext();) {
        if (const QImage image = squareImage(files.next()); !image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

} // namespace ringcalc::runtime
