#include "wheel/ui/WheelFileWriter.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <csetjmp>
#include <memory>
#include <png.h>
#include <vector>
#include <zlib.h>

#include "wheel/WheelFile.h"
#include "wheel/ui/WheelPainter.h"

namespace quaeryn::ui {

namespace {

constexpr double kPixelsPerInch = 96;

int Height(const WheelDrawing& d, int width) {
    const double w = d.xMax - d.xMin, h = d.yMax - d.yMin;
    return w > 0 && h > 0 ? std::max(1, static_cast<int>(std::lround(width * h / w))) : width;
}

// libpng hands the file's bytes over in pieces.
void AppendPng(png_structp png, png_bytep data, png_size_t size) {
    static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data),
                                                           static_cast<qsizetype>(size));
}
void FlushPng(png_structp) {}

// libpng reports an error by a long jump back here: this frame holds
// nothing that needs destroying.
bool WritePngRows(png_structp png, png_infop info, const QImage& image, unsigned char* row) {
    if (setjmp(png_jmpbuf(png))) return false;
    const auto width = static_cast<png_uint_32>(image.width());
    png_set_IHDR(png, info, width, static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    const auto perMetre = static_cast<png_uint_32>(std::lround(kPixelsPerInch / 0.0254));
    png_set_pHYs(png, info, perMetre, perMetre, PNG_RESOLUTION_METER);
    png_set_filter(png, 0, PNG_FILTER_NONE);
    png_set_compression_strategy(png, Z_RLE);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y) {
        const auto* pixel = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (png_uint_32 x = 0; x < width; ++x) {
            row[3 * x] = static_cast<unsigned char>(qRed(pixel[x]));
            row[3 * x + 1] = static_cast<unsigned char>(qGreen(pixel[x]));
            row[3 * x + 2] = static_cast<unsigned char>(qBlue(pixel[x]));
        }
        png_write_row(png, row);
    }
    png_write_end(png, info);
    return true;
}

QString Title(const WheelDrawing& d) {
    return d.header[1].empty() ? QString("Chartwheel") : "Chartwheel: " + QString::fromStdString(d.header[1]);
}

}  // namespace

QImage RenderWheelImage(const WheelDrawing& drawing, int widthPixels, const QString& family) {
    QImage image(widthPixels, Height(drawing, widthPixels), QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(kPixelsPerInch / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(kPixelsPerInch / 0.0254)));
    QPainter painter(&image);
    PaintWheel(painter, drawing, QRectF(0, 0, image.width(), image.height()), family);
    painter.end();
    return image;
}

QByteArray EncodeWheelPng(const QImage& picture) {
    if (picture.isNull()) return {};
    const QImage image = picture.format() == QImage::Format_RGB32 ? picture
                                                                   : picture.convertToFormat(QImage::Format_RGB32);
    QByteArray bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return {};
    }
    png_set_write_fn(png, &bytes, AppendPng, FlushPng);
    std::vector<unsigned char> row(static_cast<std::size_t>(image.width()) * 3);
    const bool written = WritePngRows(png, info, image, row.data());
    png_destroy_write_struct(&png, &info);
    return written ? bytes : QByteArray();
}

bool SaveWheelPng(const WheelDrawing& drawing, const QString& path, int widthPixels, const QString& family) {
    const QByteArray bytes = EncodeWheelPng(RenderWheelImage(drawing, widthPixels, family));
    QFile file(path);
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

bool SaveWheelSvg(const WheelDrawing& drawing, const QString& path, int widthPixels, const QString& family) {
    QSvgGenerator svg;
    svg.setFileName(path);
    const QSize size(widthPixels, Height(drawing, widthPixels));
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(static_cast<int>(kPixelsPerInch));
    svg.setTitle(Title(drawing));
    svg.setDescription("Drawn by Quaeryn");
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    PaintWheel(painter, drawing, QRectF(QPointF(0, 0), QSizeF(size)), family);
    return painter.end();
}

bool SaveWheelPdf(const WheelDrawing& drawing, const QString& path, int widthPixels, const QString& family) {
    QPdfWriter pdf(path);
    const QSizeF inches(widthPixels / kPixelsPerInch, Height(drawing, widthPixels) / kPixelsPerInch);
    pdf.setPageLayout(QPageLayout(QPageSize(inches, QPageSize::Inch), QPageLayout::Portrait, QMarginsF()));
    pdf.setTitle(Title(drawing));
    pdf.setCreator("Quaeryn");
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    PaintWheel(painter, drawing, QRectF(painter.viewport()), family);
    return painter.end();
}

bool SaveWheelPicture(const WheelDrawing& drawing, const QString& path, WheelFileFormat format, int widthPixels,
                      const QString& family) {
    switch (format) {
        case WheelFileFormat::Svg: return SaveWheelSvg(drawing, path, widthPixels, family);
        case WheelFileFormat::Pdf: return SaveWheelPdf(drawing, path, widthPixels, family);
        case WheelFileFormat::Png: break;
    }
    return SaveWheelPng(drawing, path, widthPixels, family);
}

}  // namespace quaeryn::ui

namespace quaeryn {

namespace {

// Qt's own notes on a machine without a display session (no runtime
// folder, no session bus) are not the user's business on the command line.
void QuietOffscreen(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(message));
}

// A Qt application for the time of one call when none runs: quaeryn-cli
// has none, and needs no display.
class OffscreenApplication {
public:
    OffscreenApplication() {
        if (QCoreApplication::instance()) return;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        previous_ = qInstallMessageHandler(QuietOffscreen);
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    ~OffscreenApplication() {
        if (!app_) return;
        app_.reset();
        qInstallMessageHandler(previous_);
    }
    OffscreenApplication(const OffscreenApplication&) = delete;
    OffscreenApplication& operator=(const OffscreenApplication&) = delete;

    // Pictures need a GUI application (fonts); a console one will not do.
    static bool CanPaint() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

private:
    static inline char name_[] = "quaeryn-cli";
    static inline char* argv_[] = {name_, nullptr};
    static inline int argc_ = 1;
    std::unique_ptr<QGuiApplication> app_;
    QtMessageHandler previous_ = nullptr;
};

}  // namespace

WheelFileResult WriteWheelFile(const WheelDrawing& drawing, const std::filesystem::path& file,
                               WheelFileFormat format, int widthPixels) {
    WheelFileResult result;
    if (widthPixels < kWheelFileMinPixels || widthPixels > kWheelFileMaxPixels) {
        result.error = "the width must be " + std::to_string(kWheelFileMinPixels) + " to " +
                       std::to_string(kWheelFileMaxPixels) + " pixels";
        return result;
    }
    const OffscreenApplication app;
    if (!OffscreenApplication::CanPaint()) {
        result.error = "no graphical application to paint with";
        return result;
    }
    const QString family = ui::WheelGlyphFamily();
    result.glyphFontMissing = family.isEmpty();
    result.written =
        ui::SaveWheelPicture(drawing, QString::fromStdString(file.string()), format, widthPixels, family);
    if (!result.written) result.error = "the file cannot be written";
    return result;
}

bool WheelPainterBuilt() { return true; }

}  // namespace quaeryn
