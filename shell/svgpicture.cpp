// SPDX-License-Identifier: MIT
// The vector-picture module: the only code that calls Qt's SVG library.
#include "vectorpicture.h"

#include <QSvgRenderer>
#include <QtGlobal>

namespace loopcalc::shell {

namespace {

class SvgPicture final : public VectorPicture {
public:
    explicit SvgPicture(const QString& path)
        : m_renderer(path)
    {
    }

    [[nodiscard]] bool isValid() const override { return m_renderer.isValid(); }
    [[nodiscard]] QSize defaultSize() const override { return m_renderer.defaultSize(); }
    void render(QPainter& painter, const QRectF& bounds) override { m_renderer.render(&painter, bounds); }

private:
    QSvgRenderer m_renderer;
};

}  // namespace

std::unique_ptr<VectorPicture> ReadSvgPicture(const QString& path)
{
    return std::make_unique<SvgPicture>(path);
}

}  // namespace loopcalc::shell

/// The module's entry point (vectorpicture.cpp looks it up by this name):
/// the picture at path, owned by the caller.
extern "C" Q_DECL_EXPORT loopcalc::shell::VectorPicture* LoopCalcReadVectorPicture(const QString& path)
{
    return loopcalc::shell::ReadSvgPicture(path).release();
}
