// PrintPack on Qt PrintSupport: the system's printers through its CUPS
// support, the built-in PDF printer through Qt's PDF writer.
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/print_pack.h"
#include "platform/printers.h"
#include "platform/qt_text.h"

namespace qm::platform {

namespace {

constexpr int kResolution = 600;

double Round(double v) { return std::nearbyint(v); }  // the default rounding mode: half to even

QPageSize::PageSizeId PaperFromCode(int code) {
    static const std::map<int, QPageSize::PageSizeId> papers = {
        {1, QPageSize::Letter},    {5, QPageSize::Legal},    {9, QPageSize::A4},
        {11, QPageSize::A5},       {19, QPageSize::Envelope9}, {20, QPageSize::Envelope10},
        {27, QPageSize::EnvelopeDL}, {28, QPageSize::EnvelopeC5}, {37, QPageSize::EnvelopeMonarch}};
    auto it = papers.find(code);
    return it == papers.end() ? QPageSize::Letter : it->second;
}

// "Quillmark - JOHN SMITH" -> a name safe in any folder.
QString SafeFileName(const QString& title) {
    QString name;
    for (QChar c : title) name += (c.unicode() < 32 || QString("/\\:*?\"<>|").contains(c)) ? QChar('_') : c;
    name = name.trimmed();
    while (name.startsWith('.')) name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("Quillmark") : name;
}

QString UnusedPdfPath(const QString& folder, const QString& base) {
    QString path = folder + "/" + base + ".pdf";
    for (int n = 2; QFileInfo::exists(path); ++n) path = QString("%1/%2 (%3).pdf").arg(folder, base).arg(n);
    return path;
}

class QtPrintPack final : public PrintPack {
public:
    bool OpenPrinter(const std::string& name, const std::string& pageSettings) override {
        Release();
        QString printerName = ToQt(name);
        if (printerName.isEmpty()) printerName = QPrinterInfo::defaultPrinterName();
        if (printerName.isEmpty()) printerName = kPdfPrinterName;
        if (printerName == kPdfPrinterName) {
            printer_ = std::make_unique<QPrinter>(QPrinter::PrinterResolution);
            printer_->setOutputFormat(QPrinter::PdfFormat);
            printer_->setFullPage(true);  // the PDF page is the whole sheet
            pdf_ = true;
        } else {
            QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
            if (info.isNull()) return false;
            printer_ = std::make_unique<QPrinter>(info, QPrinter::PrinterResolution);
        }
        printer_->setResolution(kResolution);
        ApplyPageSettings(pageSettings);
        return true;
    }

    void SetUnit(int unit) override { unit_ = unit; }

    void SelectFont(const std::string& face, int points, int styleBits) override {
        const int cellHeight = points * DpiY() / 72;
        QFont font(ToQt(face));
        font.setBold((styleBits & 256) != 0);
        font.setItalic((styleBits & 512) != 0);
        font.setPixelSize(1000);
        QFontMetricsF reference(font);
        const double cellPerPixel = (reference.ascent() + reference.descent()) / 1000.0;
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(cellHeight / cellPerPixel))));
        font_ = font;
    }

    BoxF MeasureTextBox(double x, double y, double, double, const std::string& text) override {
        const QStringList lines = ToQt(text).split('\n');
        QFontMetricsF metrics(Font());
        double width = 0;
        for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
        const double lineHeight = std::ceil(metrics.ascent() + metrics.descent());
        return {Round(ToPixels(x)), Round(ToPixels(y)), std::ceil(width), lineHeight * lines.size()};
    }

    void DrawTextBox(double x, double y, double w, double h, const std::string& text) override {
        QPainter* painter = Painter();
        if (!painter) return;
        const QRectF box(Round(ToPixels(x)), Round(ToPixels(y)), Round(ToPixels(w)), Round(ToPixels(h)));
        painter->save();
        painter->setClipRect(box);
        painter->setFont(Font());
        painter->setPen(Qt::black);
        QFontMetricsF metrics(Font());
        const double lineHeight = std::ceil(metrics.ascent() + metrics.descent());
        const QStringList lines = ToQt(text).split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            painter->drawText(QPointF(box.x(), box.y() + i * lineHeight + metrics.ascent()), lines[i]);
        }
        painter->restore();
    }

    void DrawPicture(const Picture& picture, double x, double y, double w, double h) override {
        QPainter* painter = Painter();
        if (!painter || picture.width <= 0 || picture.height <= 0) return;
        QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width, picture.height,
                     picture.width * 4, QImage::Format_ARGB32);
        const QRectF target(Round(ToPixels(x)), Round(ToPixels(y)), Round(ToPixels(w)), Round(ToPixels(h)));
        painter->drawImage(target, image.convertToFormat(QImage::Format_RGB32));  // opaque
    }

    int StartJob(const std::string& title) override {
        lastPdf_.clear();
        if (!printer_ || painter_) return 0;
        printer_->setDocName(ToQt(title));
        if (pdf_) {
            QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            if (folder.isEmpty()) folder = QDir::homePath();
            folder += "/Quillmark Envelopes";
            if (!QDir().mkpath(folder)) return 0;
            pdfFile_ = UnusedPdfPath(folder, SafeFileName(ToQt(title)));
            printer_->setOutputFileName(pdfFile_);
        }
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(printer_.get())) {
            painter_.reset();
            return 0;
        }
        return ++jobs_;
    }

    void EndJob() override {
        if (!painter_) return;
        const bool ended = painter_->end();
        painter_.reset();
        if (pdf_ && ended && QFileInfo::exists(pdfFile_)) lastPdf_ = FromQt(pdfFile_);
    }

    int StartPreview(int width) override {
        preview_ = QImage();
        if (!printer_ || width <= 0) return 0;
        const QRect printable = printer_->pageLayout().paintRectPixels(printer_->resolution());
        const QRectF printableMm = printer_->pageLayout().paintRect(QPageLayout::Millimeter);
        if (printable.width() <= 0 || printable.height() <= 0) return 0;
        const int dpiX = printer_->logicalDpiX(), dpiY = printer_->logicalDpiY();
        const int height = width * printable.height() / printable.width() * (dpiX / dpiY);
        if (height <= 0) return 0;
        preview_ = QImage(width, height, QImage::Format_RGB888);
        preview_.fill(Qt::white);
        previewDpiX_ = static_cast<int>(std::lround(width * 25.4 / printableMm.width()));
        previewDpiY_ = static_cast<int>(std::lround(height * 25.4 / printableMm.height()));
        previewPainter_ = std::make_unique<QPainter>(&preview_);
        previewPainter_->setRenderHint(QPainter::TextAntialiasing);
        return 1;
    }

    void StopPreview() override {
        if (previewPainter_) previewPainter_->end();
        previewPainter_.reset();
    }

    std::optional<Picture> PreviewPicture(int page) override {
        if (page != 0 || preview_.isNull()) return std::nullopt;
        QImage image = preview_.convertToFormat(QImage::Format_ARGB32);
        Picture picture;
        picture.width = image.width();
        picture.height = image.height();
        picture.pixels.resize(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height));
        for (int y = 0; y < picture.height; ++y) {
            std::memcpy(picture.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(picture.width),
                        image.constScanLine(y), static_cast<size_t>(picture.width) * 4);
        }
        return picture;
    }

    std::string LastPdfFile() const override { return lastPdf_; }

    void Cleanup() override {
        Release();
        preview_ = QImage();
        font_.reset();
    }

private:
    void Release() {
        StopPreview();
        if (painter_) painter_->end();
        painter_.reset();
        printer_.reset();
        pdf_ = false;
    }

    void ApplyPageSettings(const std::string& settings) {
        for (const QString& pair : ToQt(settings).split(',', Qt::SkipEmptyParts)) {
            const QString key = pair.section('=', 0, 0).trimmed().toUpper();
            const int value = pair.section('=', 1).trimmed().toInt();
            if (key == "ORIENTATION") {
                printer_->setPageOrientation(value == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
            } else if (key == "PAPERSIZE") {
                printer_->setPageSize(QPageSize(PaperFromCode(value)));
            }
        }
    }

    QFont Font() const { return font_ ? *font_ : QFont(); }
    bool Previewing() const { return previewPainter_ != nullptr; }
    QPainter* Painter() { return Previewing() ? previewPainter_.get() : painter_.get(); }
    int DpiX() const { return Previewing() ? previewDpiX_ : printer_ ? printer_->logicalDpiX() : kResolution; }
    int DpiY() const { return Previewing() ? previewDpiY_ : printer_ ? printer_->logicalDpiY() : kResolution; }

    double ToPixels(double v) const {
        switch (unit_) {
            case 0: return v;
            case 1: return v * DpiX() / 10.0;
            default: return v * DpiX() / 25.4;
        }
    }

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QPainter> previewPainter_;
    QImage preview_;
    std::optional<QFont> font_;  // released by Cleanup, before the window system ends
    QString pdfFile_;
    std::string lastPdf_;
    bool pdf_ = false;
    int unit_ = 2;
    int jobs_ = 0;
    int previewDpiX_ = 72, previewDpiY_ = 72;
};

QtPrintPack& SystemPack() {
    static QtPrintPack pack;
    return pack;
}

PrintPack* g_installed = nullptr;

}  // namespace

PrintPack& Printing() { return g_installed ? *g_installed : SystemPack(); }

void InstallPrintPack(PrintPack* pack) { g_installed = pack; }

}  // namespace qm::platform
