#include "ViewLayers.h"

#include <cmath>
#include <cstring>

namespace {

QImage MakeLayer(QSize logical, qreal ratio, QImage::Format format) {
    const QSize device(static_cast<int>(std::ceil(logical.width() * ratio)),
                       static_cast<int>(std::ceil(logical.height() * ratio)));
    QImage image(device, format);
    if (!image.isNull()) {
        image.setDevicePixelRatio(ratio);
    }
    return image;
}

} // namespace

bool CViewLayers::Create(QSize client, qreal devicePixelRatio) {
    Release();
    if (client.isEmpty() || devicePixelRatio <= 0) {
        return false;
    }
    m_szClient = client;
    m_dRatio = devicePixelRatio;
    m_imgBase = MakeLayer(client, m_dRatio, QImage::Format_RGB32);
    m_imgSelection = MakeLayer(client, m_dRatio, QImage::Format_ARGB32_Premultiplied);
    m_imgGrid = MakeLayer(client, m_dRatio, QImage::Format_ARGB32_Premultiplied);
    m_imgComposite = MakeLayer(client, m_dRatio, QImage::Format_RGB32);
    if (m_imgBase.isNull() || m_imgSelection.isNull() || m_imgGrid.isNull() ||
        m_imgComposite.isNull()) {
        Release();
        return false;
    }
    m_imgBase.fill(Qt::white);
    m_imgSelection.fill(Qt::transparent);
    m_imgGrid.fill(Qt::transparent);
    m_imgComposite.fill(Qt::white);
    return true;
}

void CViewLayers::Release() {
    m_imgBase = QImage();
    m_imgSelection = QImage();
    m_imgGrid = QImage();
    m_imgComposite = QImage();
    m_szClient = QSize();
}

bool CViewLayers::Scroll(QImage& layer, QPoint delta) const {
    const double dx = delta.x() * m_dRatio;
    const double dy = delta.y() * m_dRatio;
    if (layer.isNull() || dx != std::round(dx) || dy != std::round(dy)) {
        return false;
    }
    ScrollImagePixels(layer, static_cast<int>(dx), static_cast<int>(dy));
    return true;
}

void ScrollImagePixels(QImage& image, int dx, int dy) {
    const int width = image.width();
    const int height = image.height();
    if ((dx == 0 && dy == 0) || std::abs(dx) >= width || std::abs(dy) >= height) {
        return;
    }
    const int bytesPerPixel = image.depth() / 8;
    const std::size_t rowBytes = std::size_t(width - std::abs(dx)) * bytesPerPixel;
    const int sourceX = dx < 0 ? -dx : 0;
    const int targetX = dx > 0 ? dx : 0;
    uchar* bits = image.bits(); // detaches once, before any row pointer is taken
    const qsizetype stride = image.bytesPerLine();
    auto moveRow = [&](int from, int to) {
        const uchar* source = bits + from * stride + std::size_t(sourceX) * bytesPerPixel;
        uchar* target = bits + to * stride + std::size_t(targetX) * bytesPerPixel;
        std::memmove(target, source, rowBytes);
    };
    // Rows are visited so that no row is overwritten before it has been moved.
    if (dy > 0) {
        for (int y = height - 1; y >= dy; --y) {
            moveRow(y - dy, y);
        }
    } else {
        for (int y = 0; y < height + dy; ++y) {
            moveRow(y - dy, y);
        }
    }
}
