#pragma once

#include <QList>

namespace arc {

// A QR code's modules, row by row from the top-left one; true is dark.
// Empty: no code.
class QrMatrix {
public:
    QrMatrix() = default;
    // `modules` holds width * width values; anything else is no code.
    QrMatrix(int width, QList<bool> modules)
    {
        if (width > 0 && modules.size() == qsizetype(width) * width) {
            m_width = width;
            m_modules = std::move(modules);
        }
    }

    bool isEmpty() const { return m_width == 0; }
    int width() const { return m_width; }
    bool dark(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < m_width && y < m_width && m_modules[qsizetype(y) * m_width + x];
    }

    bool operator==(const QrMatrix &) const = default;

private:
    int m_width = 0;
    QList<bool> m_modules;
};

} // namespace arc
