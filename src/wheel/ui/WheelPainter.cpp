#include "wheel/ui/WheelPainter.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>
#include <QRawFont>
#include <algorithm>
#include <map>
#include <variant>

#include "wheel/WheelGeometry.h"

namespace quaeryn::ui {

namespace {

constexpr const char* kPreferredFamily = "DejaVu Sans";

// Line widths in scale units; never thinner than a pixel.
constexpr double kSpokeWidth = 0.7;
constexpr double kRingWidth = 0.9;
constexpr double kAspectWidth = 0.5;
constexpr double kDividerWidth = 0.6;

QColor ToQColor(WheelColour c) { return QColor(c.r, c.g, c.b); }

double LineWidth(LineRole role) {
    switch (role) {
        case LineRole::Spoke: return kSpokeWidth;
        case LineRole::AspectLine: return kAspectWidth;
        case LineRole::SignDivider: return kDividerWidth;
    }
    return kSpokeWidth;
}

bool HasEverySymbol(const QString& family) {
    const QRawFont raw = QRawFont::fromFont(QFont(family));
    // A family the system does not have resolves to another one.
    if (!raw.isValid() || raw.familyName().compare(family, Qt::CaseInsensitive) != 0) return false;
    const QString symbols = WheelSymbols();
    for (const QChar c : symbols)
        if (!raw.supportsCharacter(c)) return false;
    return true;
}

// The fonts of one painting, one a text size, with their metrics on the
// device painted on.
class Fonts {
public:
    Fonts(const QString& family, const QFont& base, QPaintDevice* device)
        : family_(family), base_(base), device_(device) {}

    struct Entry {
        QFont font;
        QFontMetricsF metrics;
    };
    const Entry& At(double pixels) {
        auto it = fonts_.find(pixels);
        if (it == fonts_.end()) {
            QFont font = base_;
            if (!family_.isEmpty()) font.setFamily(family_);
            const int dpi = device_ ? device_->logicalDpiY() : 96;
            font.setPointSizeF(std::max(pixels, 0.5) * 72.0 / (dpi > 0 ? dpi : 96));
            font.setStyleStrategy(QFont::PreferAntialias);
            it = fonts_.emplace(pixels, Entry{font, QFontMetricsF(font, device_)}).first;
        }
        return it->second;
    }

private:
    QString family_;
    QFont base_;
    QPaintDevice* device_;
    std::map<double, Entry> fonts_;
};

}  // namespace

QString WheelSymbols() {
    QString s;
    for (int b = 1; b <= 13; ++b) s += QString::fromUtf8(BodyGlyph(b).data(), static_cast<qsizetype>(BodyGlyph(b).size()));
    for (int n = 1; n <= 12; ++n) s += QString::fromUtf8(SignGlyph(n).data(), static_cast<qsizetype>(SignGlyph(n).size()));
    s += QString::fromUtf8(kDegreeMark.data(), static_cast<qsizetype>(kDegreeMark.size()));
    s += QString::fromUtf8(kMinuteMark.data(), static_cast<qsizetype>(kMinuteMark.size()));
    return s;
}

std::function<QStringList()>& InstalledFontFamilies() {
    static std::function<QStringList()> families = [] { return QFontDatabase::families(); };
    return families;
}

QString ChooseGlyphFamily(const QStringList& families) {
    if (families.contains(kPreferredFamily, Qt::CaseInsensitive) && HasEverySymbol(kPreferredFamily))
        return kPreferredFamily;
    for (const QString& family : families)
        if (HasEverySymbol(family)) return family;
    return {};
}

QString WheelGlyphFamily() { return ChooseGlyphFamily(InstalledFontFamilies()()); }

WheelMapping::WheelMapping(const WheelDrawing& d, const QRectF& target) {
    const double w = d.xMax - d.xMin, h = d.yMax - d.yMin;
    if (w > 0 && h > 0 && target.width() > 0 && target.height() > 0) {
        unit_ = std::min(target.width() / w, target.height() / h);
        const QSizeF size(w * unit_, h * unit_);
        viewport_ = QRectF(target.center() - QPointF(size.width() / 2, size.height() / 2), size);
    } else {
        viewport_ = target;
    }
    xMin_ = d.xMin;
    yMax_ = d.yMax;
}

QPointF WheelMapping::ToDevice(double x, double y) const {
    return {viewport_.left() + (x - xMin_) * unit_, viewport_.top() + (yMax_ - y) * unit_};
}

void PaintWheel(QPainter& painter, const WheelDrawing& drawing, const QRectF& target, const QString& family) {
    const WheelMapping map(drawing, target);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(target, ToQColor(drawing.background));
    // A pixel of the device in the painter's units, the thinnest line drawn.
    const double pixel = 1.0;

    Fonts fonts(family, painter.font(), painter.device());
    for (const WheelItem& item : drawing.items) {
        if (const auto* line = std::get_if<WheelLine>(&item)) {
            QPen pen(ToQColor(line->colour), std::max(map.Length(LineWidth(line->role)), pixel));
            pen.setCapStyle(Qt::FlatCap);
            painter.setPen(pen);
            painter.drawLine(map.ToDevice(line->from), map.ToDevice(line->to));
        } else if (const auto* circle = std::get_if<WheelCircle>(&item)) {
            painter.setPen(QPen(ToQColor(circle->outline), std::max(map.Length(kRingWidth), pixel)));
            painter.setBrush(circle->filled ? QBrush(ToQColor(circle->fill)) : QBrush(Qt::NoBrush));
            const double r = map.Length(circle->radius);
            painter.drawEllipse(map.ToDevice(circle->centre), r, r);
            painter.setBrush(Qt::NoBrush);
        } else if (const auto* text = std::get_if<WheelText>(&item)) {
            const auto& f = fonts.At(map.Length(text->size));
            const QString s = QString::fromStdString(text->text);
            const double advance = f.metrics.horizontalAdvance(s);
            QPointF at = map.ToDevice(text->at);
            // The point is the middle of the digits: the baseline lies half
            // a cap height below it.
            at.ry() += f.metrics.capHeight() / 2;
            if (text->anchor == TextAnchor::Centre) at.rx() -= advance / 2;
            if (text->anchor == TextAnchor::Right) at.rx() -= advance;
            painter.setFont(f.font);
            painter.setPen(ToQColor(text->colour));
            painter.drawText(at, s);
        }
    }
    painter.restore();
}

}  // namespace quaeryn::ui
