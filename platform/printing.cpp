// Printing plain text lines: Qt's printer dialog and QPrinter, or a PDF file.
#include "core/textfile.h"
#include "platform/services.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace {

const QString kCannotPrint = QStringLiteral("Tisk se nepodařilo provést.");

// Draws the lines from the top left of the printable area downwards, one line each,
// starting a new page when the next line does not fit. A line's pieces follow each other
// on one baseline, each in its own font.
Result<bool> drawLines(QPagedPaintDevice &device, const QList<PrintLine> &lines, const QFont &font,
                       const QFont &phonetic) {
    QPainter painter;
    if (!painter.begin(&device))
        return Failure{kCannotPrint};
    const QFontMetricsF metrics(font, &device);
    const QFontMetricsF phoneticMetrics(phonetic, &device);
    const qreal lineHeight = std::max(metrics.lineSpacing(), phoneticMetrics.lineSpacing());
    const qreal ascent = std::max(metrics.ascent(), phoneticMetrics.ascent());
    const qreal pageHeight = painter.viewport().height();
    qreal top = 0;
    for (const PrintLine &line : lines) {
        if (top > 0 && top + lineHeight > pageHeight) {
            if (!device.newPage()) {
                painter.end();
                return Failure{kCannotPrint};
            }
            top = 0;
        }
        qreal left = 0;
        for (const PrintPiece &piece : line) {
            painter.setFont(piece.phonetic ? phonetic : font);
            painter.drawText(QPointF(left, top + ascent), piece.text);
            left += (piece.phonetic ? phoneticMetrics : metrics).horizontalAdvance(piece.text);
        }
        top += lineHeight;
    }
    return painter.end();
}

class QtPrinting final : public Printing {
public:
    Result<bool> printLines(const QList<PrintLine> &lines, const QFont &font,
                            const QFont &phonetic) override {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        return drawLines(printer, lines, font, phonetic);
    }
};

class PdfPrinting final : public Printing {
public:
    explicit PdfPrinting(QString file) : m_file(std::move(file)) {}

    Result<bool> printLines(const QList<PrintLine> &lines, const QFont &font,
                            const QFont &phonetic) override {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setResolution(300);
            const Result<bool> drawn = drawLines(writer, lines, font, phonetic);
            if (!drawn || !*drawn)
                return drawn;
        }
        const Result<void> saved = textfile::saveFile(m_file, buffer.data());
        if (!saved)
            return Failure{saved.error()};
        return true;
    }

private:
    QString m_file;
};

} // namespace

std::unique_ptr<Printing> makePrinting() {
    return std::make_unique<QtPrinting>();
}

std::unique_ptr<Printing> makePdfPrinting(const QString &pdfFile) {
    return std::make_unique<PdfPrinting>(pdfFile);
}
