// SPDX-License-Identifier: MIT
#include "vectorpicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QtGlobal>

namespace loopcalc::shell {

namespace {

using ReadFunction = VectorPicture* (*)(const QString&);

/// A picture that could not be read: draws nothing.
class NoPicture final : public VectorPicture {
public:
    [[nodiscard]] bool isValid() const override { return false; }
    [[nodiscard]] QSize defaultSize() const override { return {}; }
    void render(QPainter& /*painter*/, const QRectF& /*bounds*/) override {}
};

/// The module's entry point, the module loaded on the first call: beside
/// the program (the build folder), else where the installation puts it.
ReadFunction ModuleReader()
{
    static const ReadFunction read = [] {
        const QDir programs(QCoreApplication::applicationDirPath());
        QStringList tried;
        for (const QString& folder : {programs.path(), programs.filePath(QStringLiteral(LOOPCALC_MODULE_FOLDER))}) {
            QLibrary module(QDir(folder).filePath(QStringLiteral(LOOPCALC_MODULE_NAME)));
            if (const auto function = reinterpret_cast<ReadFunction>(module.resolve("LoopCalcReadVectorPicture"))) {
                return function;
            }
            tried << module.errorString();
        }
        qWarning("The pictures cannot be drawn: %s", qPrintable(tried.join(QStringLiteral("; "))));
        return ReadFunction{};
    }();
    return read;
}

}  // namespace

std::unique_ptr<VectorPicture> ReadVectorPicture(const QString& path)
{
    if (const ReadFunction read = ModuleReader()) {
        return std::unique_ptr<VectorPicture>(read(path));
    }
    return std::make_unique<NoPicture>();
}

}  // namespace loopcalc::shell
