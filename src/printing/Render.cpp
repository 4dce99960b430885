#include "Render.h"

#include "Paths.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QTextDocument>

namespace printing {

namespace {

// Apostrophes as a numeric reference: the rich-text parser knows it in every Qt version.
std::string escapeHtml(const std::string& s) {
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (char ch : s) {
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += ch;
        }
    }
    return out;
}

// The device the documents are measured on, so that a sheet takes the same pages on every screen.
QPaintDevice* layoutDevice() {
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(PageGeometry::kDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

double mmToLayout(double mm) { return mm / 25.4 * PageGeometry::kDpi; }

} // namespace

QSizeF PageGeometry::bodySize() {
    return {mmToLayout(kWidthMm - 2 * kMarginMm), mmToLayout(kHeightMm - 2 * kMarginMm)};
}

QString templatePath(const QString& base) {
    return store::programPath(QStringLiteral("Daten/Templates/") + base + QStringLiteral(".html"));
}

bool renderText(const QString& text, const QString& fileName, const kainjow::mustache::data& context,
                QString* html, QString* error) {
    kainjow::mustache::mustache tmpl(text.toStdString());
    if (!tmpl.is_valid()) {
        *error = QStringLiteral("Die Vorlage %1 ist fehlerhaft: %2")
                     .arg(fileName, QString::fromStdString(tmpl.error_message()));
        return false;
    }
    tmpl.set_custom_escape(escapeHtml);
    const std::string out = tmpl.render(context);
    if (!tmpl.is_valid()) {
        *error = QStringLiteral("Die Vorlage %1 ist fehlerhaft: %2")
                     .arg(fileName, QString::fromStdString(tmpl.error_message()));
        return false;
    }
    *html = QString::fromStdString(out);
    return true;
}

bool renderSheet(const QString& base, const kainjow::mustache::data& context, QString* html, QString* error) {
    const QString path = templatePath(base);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Die Vorlage %1 kann nicht geöffnet werden: %2").arg(path, file.errorString());
        return false;
    }
    return renderText(QString::fromUtf8(file.readAll()), path, context, html, error);
}

std::unique_ptr<QTextDocument> layoutSheet(const QString& html) {
    auto doc = std::make_unique<QTextDocument>();
    doc->documentLayout()->setPaintDevice(layoutDevice());
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    doc->setDefaultFont(font);
    doc->setDocumentMargin(0);
    doc->setPageSize(PageGeometry::bodySize());
    doc->setHtml(html);
    return doc;
}

} // namespace printing
