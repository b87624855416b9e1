#include "ui/glyph.h"

#include <QFontDatabase>
#include <QPainter>

namespace Glyph {

namespace {
const QString kFamily = QStringLiteral("Material Icons");
}

void ensureFont()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    if (!QFontDatabase::families().contains(kFamily))
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
}

QFont font(int pixelSize)
{
    ensureFont();
    QFont f(kFamily);
    f.setPixelSize(pixelSize);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QPixmap pixmap(ushort codePoint, const QColor &color, int pixelSize, int size)
{
    if (size <= 0)
        size = pixelSize;
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter painter(&pm);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font(pixelSize));
    painter.setPen(color);
    painter.drawText(pm.rect(), Qt::AlignCenter, QString(QChar(codePoint)));
    painter.end();
    return pm;
}

QIcon icon(ushort codePoint, const QColor &color, int pixelSize, int size)
{
    return QIcon(pixmap(codePoint, color, pixelSize, size));
}

} // namespace Glyph
