#include "PrintSink.h"

#include "Render.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace printing {

bool RecordingSink::add(const SheetCopy& copy, QTextDocument&, QString*) {
    m_copies << copy;
    return true;
}

bool RecordingSink::finish(QString*) { return true; }

void paintPage(QTextDocument& document, int page, QPainter& painter, double deviceDpi) {
    const QSizeF body = PageGeometry::bodySize();
    const double scale = deviceDpi / PageGeometry::kDpi;
    painter.save();
    painter.scale(scale, scale);
    painter.translate(0, -page * body.height());
    const QRectF visible(0, page * body.height(), body.width(), body.height());
    QAbstractTextDocumentLayout::PaintContext context;
    // A block that only touches the page's edge (the first block after a page break starts exactly
    // there) belongs to the neighbouring page; drawn here it would be clipped away but still sit in
    // the PDF as invisible text.
    context.clip = visible.adjusted(0, 0.5, 0, -0.5);
    context.palette.setColor(QPalette::Text, Qt::black);
    painter.setClipRect(visible);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

PdfSink::PdfSink(const QString& path) : m_path(path) {}

PdfSink::~PdfSink() {
    // Without finish() the painter is ended and the unfinished file discarded.
    if (m_painter && m_painter->isActive())
        m_painter->end();
    if (m_file)
        m_file->cancelWriting();
}

bool PdfSink::begin(QString* error) {
    m_file = std::make_unique<QSaveFile>(m_path);
    if (!m_file->open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2").arg(m_path, m_file->errorString());
        m_file.reset();
        return false;
    }
    m_writer = std::make_unique<QPdfWriter>(m_file.get());
    m_writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(PageGeometry::kMarginMm, PageGeometry::kMarginMm,
                                                  PageGeometry::kMarginMm, PageGeometry::kMarginMm),
                                        QPageLayout::Millimeter));
    m_writer->setCreator(QStringLiteral("Velmora"));
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_writer.get())) {
        *error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(m_path);
        return false;
    }
    return true;
}

bool PdfSink::add(const SheetCopy&, QTextDocument& document, QString* error) {
    if (!m_painter && !begin(error))
        return false;
    for (int page = 0; page < document.pageCount(); ++page) {
        if (m_pageOpen && !m_writer->newPage()) {
            *error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(m_path);
            return false;
        }
        paintPage(document, page, *m_painter, m_writer->resolution());
        m_pageOpen = true;
    }
    return true;
}

bool PdfSink::finish(QString* error) {
    if (!m_painter) {
        *error = QStringLiteral("Es wurde kein Blatt erzeugt.");
        return false;
    }
    m_painter->end();
    if (!m_file->commit()) {
        *error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2").arg(m_path, m_file->errorString());
        m_file.reset();
        return false;
    }
    m_file.reset();
    return true;
}

} // namespace printing
